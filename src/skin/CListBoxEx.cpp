#include "skin/CListBoxEx.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <vector>

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/ListRowRules.h"
#include "skin/QtRect.h"
#include "skin/SkinImage.h"
#include "skin/SkinText.h"

namespace {
QColor FromColorRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
std::uint32_t ToColorRef(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}
const QColor kPartnerColour(0, 40, 70);
constexpr int kRowFontHeight = 15;
constexpr int kEditorFontHeight = 14;
constexpr int kTextIndent = 5;
}  // namespace

CListBoxEx::CListBoxEx(QWidget* parent) : QListWidget(parent), notify_(parent) {
    editorFont_ = SkinFont(kEditorFontHeight);
    highlightColour_ = ToColorRef(palette().color(QPalette::Highlight));
    textColour_ = ToColorRef(palette().color(QPalette::WindowText));
    highlightTextColour_ = ToColorRef(palette().color(QPalette::HighlightedText));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A list box scrolls by rows and has no horizontal bar.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

std::array<QImage, 10> CListBoxEx::LoadRowIcons(const std::filesystem::path& skinFolder,
                                                qreal devicePixelRatio) {
    std::array<QImage, 10> icons;
    for (int k = 2; k <= 9; ++k) {
        LoadSkinImage(skinFolder / "res" / ("res_" + std::to_string(k) + ".bmp"),
                      icons[static_cast<std::size_t>(k)], devicePixelRatio);
    }
    return icons;
}

void CListBoxEx::SetRowIcons(const std::array<QImage, 10>& icons) {
    for (std::size_t k = 0; k < icons.size(); ++k) {
        QImage icon = icons[k].convertToFormat(QImage::Format_ARGB32);
        icon.setDevicePixelRatio(icons[k].devicePixelRatio());
        for (int y = 0; y < icon.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
            for (int x = 0; x < icon.width(); ++x) {
                if ((line[x] & 0xFFFFFFu) == 0xFF0000u) {
                    line[x] = 0;  // pure red is the see-through colour
                }
            }
        }
        icons_[k] = icon;
    }
    viewport()->update();
}

void CListBoxEx::SetHighlightColour(std::uint32_t c) {
    highlightColour_ = c;
    viewport()->update();
}
void CListBoxEx::SetBackColour(std::uint32_t c) {
    backColour_ = c;
    viewport()->update();
}
void CListBoxEx::SetTextColour(std::uint32_t c) {
    textColour_ = c;
    viewport()->update();
}
void CListBoxEx::SetHighlightTextColour(std::uint32_t c) {
    highlightTextColour_ = c;
    viewport()->update();
}
void CListBoxEx::SetBackgroundBrush(std::uint32_t c) {
    backgroundBrush_ = c;
    hasBackgroundBrush_ = true;
    viewport()->update();
}

void CListBoxEx::SetRowHeight(int h) {
    rowHeight_ = std::max(1, h);
    for (int i = 0; i < count(); ++i) {
        item(i)->setSizeHint(QSize(1, rowHeight_));
    }
    doItemsLayout();
}

int CListBoxEx::AddRow(const QString& text, std::uint32_t value) {
    InsertRow(count(), text, value);
    return count() - 1;
}

void CListBoxEx::InsertRow(int row, const QString& text, std::uint32_t value) {
    auto* it = new QListWidgetItem(text);
    it->setData(Qt::UserRole, QVariant::fromValue(value));
    it->setSizeHint(QSize(1, rowHeight_));
    insertItem(std::clamp(row, 0, count()), it);
}

std::uint32_t CListBoxEx::RowValue(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->data(Qt::UserRole).value<std::uint32_t>() : 0;
}

QString CListBoxEx::RowText(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->text() : QString();
}

bool CListBoxEx::RowHasIcon(int row) const {
    return RowIcon(RowValue(row)) != 0;
}

int CListBoxEx::PartnerOfSelection() const {
    const int row = currentRow();
    if (row < 0 || !item(row)->isSelected()) {
        return -1;
    }
    std::vector<std::uint32_t> values(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) {
        values[static_cast<std::size_t>(i)] = RowValue(i);
    }
    return FindPartnerRow(values, row);
}

void CListBoxEx::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    p.fillRect(e->rect(), FromColorRef(hasBackgroundBrush_ ? backgroundBrush_ : backColour_));
    const int partner = PartnerOfSelection();
    for (int row = 0; row < count(); ++row) {
        const QRect r = visualRect(model()->index(row, 0));
        if (r.intersects(e->rect())) {
            DrawRow(p, r, row, partner);
        }
    }
}

void CListBoxEx::DrawRow(QPainter& p, const QRect& rect, int row, int partner) const {
    const QRect r(rect.left(), rect.top(), viewport()->width(), rect.height());
    const SkinRect edges = ToSkinRect(r);
    const int right = edges.right;
    const int bottom = edges.bottom;
    p.fillRect(r, row == partner ? kPartnerColour : FromColorRef(backColour_));
    if (row == hoverRow_) {
        const RowTriangle t = HoverTriangle(r.top(), right, bottom);
        QPainterPath path;
        path.moveTo(t.tip.x, t.tip.y);
        path.lineTo(t.top.x, t.top.y);
        path.lineTo(t.bottom.x, t.bottom.y);
        path.closeSubpath();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillPath(path, FromColorRef(highlightColour_));
        p.restore();
    }
    const bool selected = item(row)->isSelected();
    if (selected) {
        p.fillRect(ToQRect({r.left() + 2, r.top() + 1, right - 5, bottom - 1}),
                   FromColorRef(highlightColour_));
    }
    const int icon = RowIcon(RowValue(row));
    if (icon != 0 && !icons_[static_cast<std::size_t>(icon)].isNull()) {
        p.drawImage(r.left() + 5, r.top() + 3, icons_[static_cast<std::size_t>(icon)]);
    }
    TextStyle s;
    s.text = ToU16(item(row)->text());
    s.format = dt::kSingleLine | dt::kVCenter;
    s.colour = !isEnabled()             ? ToColorRef(palette().color(QPalette::Dark))
               : selected && hasFocus() ? highlightTextColour_
                                        : textColour_;
    s.rect = {r.left() + kTextIndent + (icon != 0 ? iconWidth_ : 0), r.top(), right, bottom};
    DrawSkinText(s, p, kRowFontHeight);
}

void CListBoxEx::mouseMoveEvent(QMouseEvent* e) {
    QListWidget::mouseMoveEvent(e);
    if (editor_) {
        return;
    }
    const int row = indexAt(e->position().toPoint()).row();
    if (row != hoverRow_) {
        const QRect old = visualRect(model()->index(hoverRow_, 0));
        hoverRow_ = row;
        viewport()->update(old);
        viewport()->update(visualRect(model()->index(row, 0)));
        setFocus(Qt::MouseFocusReason);
    }
}

bool CListBoxEx::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Leave) {
        hoverRow_ = -1;
        viewport()->update();
    }
    return QListWidget::viewportEvent(e);
}

void CListBoxEx::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        Notify(msg::kListRightClick, 0, controlId_);
        return;
    }
    QListWidget::mousePressEvent(e);
}

void CListBoxEx::wheelEvent(QWheelEvent* e) {
    const int dy = e->angleDelta().y();
    if (dy == 0) {
        QListWidget::wheelEvent(e);
        return;
    }
    // One row per notch, whatever the system's wheel setting; a touchpad's small deltas add
    // up to a notch first.
    const int notches = std::abs(wheel_.Take(dy));
    for (int i = 0; i < notches; ++i) {
        verticalScrollBar()->triggerAction(dy < 0 ? QAbstractSlider::SliderSingleStepAdd
                                                  : QAbstractSlider::SliderSingleStepSub);
    }
    // The rows moved under a pointer that stayed put: the mark follows the row now under it.
    if (!editor_) {
        hoverRow_ = indexAt(e->position().toPoint()).row();
    }
    viewport()->update();
    e->accept();
}

void CListBoxEx::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListWidget::currentChanged(current, previous);
    viewport()->update();  // the partner rows of both change colour
}

void CListBoxEx::selectionChanged(const QItemSelection& selected,
                                  const QItemSelection& deselected) {
    QListWidget::selectionChanged(selected, deselected);
    viewport()->update();
}

void CListBoxEx::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    CommitOnFocusReturn();
    viewport()->update();
}

void CListBoxEx::Notify(std::uint32_t number, int row, std::intptr_t lParam) {
    if (notify_) {
        PostMessageTo(notify_, number, static_cast<std::uintptr_t>(row), lParam);
    }
    emit notified(number, row, lParam);
}
