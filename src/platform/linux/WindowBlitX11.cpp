#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/WindowBlit.h"

#include <xcb/xcb.h>

namespace platform {
namespace {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Depth 24 in 32-bit little-endian pixels with red, green and blue in the usual places: then
// the bytes of an RGB32 picture are the server's as they stand.
bool TakesRgb32(const xcb_setup_t* setup, std::uint8_t depth, xcb_visualid_t visual) {
    if (depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    bool wordPixels = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == 24) {
            wordPixels = f.data->bits_per_pixel == 32;
        }
    }
    if (!wordPixels) {
        return false;
    }
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s)) {
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d)) {
            if (d.data->depth != depth) {
                continue;
            }
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
                if (v.data->visual_id == visual) {
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                           v.data->red_mask == 0xFF0000u && v.data->green_mask == 0xFF00u &&
                           v.data->blue_mask == 0xFFu;
                }
            }
        }
    }
    return false;
}

class X11WindowBlit final : public WindowBlit {
public:
    X11WindowBlit(xcb_connection_t* c, xcb_window_t window)
        : c_(c), window_(window), gc_(xcb_generate_id(c)) {
        xcb_create_gc(c_, gc_, window_, 0, nullptr);
        // The longest request the server takes, less room for the request's own header.
        maxBytes_ = static_cast<std::size_t>(xcb_get_maximum_request_length(c_)) * 4 - 64;
    }
    ~X11WindowBlit() override {
        xcb_free_gc(c_, gc_);
        xcb_flush(c_);
    }

    void Put(const QImage& picture) override {
        if (picture.isNull() || picture.format() != QImage::Format_RGB32) {
            return;
        }
        const auto stride = static_cast<std::size_t>(picture.bytesPerLine());
        const int band = static_cast<int>(std::max<std::size_t>(1, maxBytes_ / stride));
        for (int y = 0; y < picture.height(); y += band) {
            const int rows = std::min(band, picture.height() - y);
            xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_,
                          static_cast<std::uint16_t>(picture.width()),
                          static_cast<std::uint16_t>(rows), 0, static_cast<std::int16_t>(y), 0, 24,
                          static_cast<std::uint32_t>(stride * static_cast<std::size_t>(rows)),
                          picture.constScanLine(y));
        }
        xcb_flush(c_);
    }

private:
    xcb_connection_t* c_;
    xcb_window_t window_;
    xcb_gcontext_t gc_;
    std::size_t maxBytes_ = 0;
};

}  // namespace

bool WindowBlit::Supported() {
    xcb_connection_t* c = Connection();
    if (c == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup);
    return screen.rem > 0 && TakesRgb32(setup, screen.data->root_depth, screen.data->root_visual);
}

std::unique_ptr<WindowBlit> WindowBlit::For(WId window) {
    xcb_connection_t* c = Connection();
    if (c == nullptr || window == 0) {
        return nullptr;
    }
    const auto id = static_cast<xcb_window_t>(window);
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
    const bool fits = geometry != nullptr && attributes != nullptr &&
                      TakesRgb32(xcb_get_setup(c), geometry->depth, attributes->visual);
    std::free(geometry);
    std::free(attributes);
    if (!fits) {
        return nullptr;
    }
    return std::make_unique<X11WindowBlit>(c, id);
}

}  // namespace platform
