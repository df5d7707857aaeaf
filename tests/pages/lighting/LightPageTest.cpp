// The lighting page on the real skin, without a display.
#include <QApplication>
#include <QPainter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "common/StringTable.h"
#include "data/ProfileDefaults.h"
#include "data/ProfileRecord.h"
#include "pages/lighting/CLightDlg.h"
#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/GTColorSelectorWnd.h"
#include "pages/lighting/GTColorSliderWnd.h"
#include "pages/lighting/GTColorWellWnd.h"
#include "pages/lighting/LightEffects.h"
#include "pages/lighting/LightPreviewView.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/CClickHSlider.h"
#include "skin/CPHSlider.h"
#include "skin/CSpinWnd.h"
#include "skin/SkinText.h"

namespace fs = std::filesystem;

namespace {
// Counts the numbered messages the picker windows post to their parent.
class Counter : public QWidget {
public:
    int changed = 0;
    int ended = 0;
    bool event(QEvent* e) override {
        if (e->type() == static_cast<QEvent::Type>(1115)) {
            ++changed;
            return true;
        }
        if (e->type() == static_cast<QEvent::Type>(1117)) {
            ++ended;
            return true;
        }
        return QWidget::event(e);
    }
};
}  // namespace

namespace {
// The most opaque point of zone picture n.
QPoint OpaquePoint(int n) {
    QImage img;
    img.load(QString::fromUtf8(CORVANE_SKIN_DIR) + QString::number(n) + QStringLiteral(".png"));
    QPoint best;
    int alpha = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) > alpha) {
                alpha = qAlpha(img.pixel(x, y));
                best = {x, y};
            }
        }
    }
    return best;
}
// Notices travel in chains of posts (edit box, spin box, page, picker, well): run them all.
void Drain() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
}
QRgb Opaque(QRgb c) {
    return c | 0xFF000000u;
}
}  // namespace

class LightPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void controlsPerMode_data();
    void controlsPerMode();
    void everyControlHasAName();
    void textsFitTheirRectangles();
    void previewTimerRunsOnlyWhileSeen();
    void damagedValuesNeverRunABadTimer();
    void zonesRecolourFromMemory();
    void missingPicturesAreLeftUndrawn();
    void swatchesAndSpinBoxesStoreTheColour();
    void valueBoxFollowsTheThumb();
    void pickerWindowsPostOneDragEnd();
    void previewComposesLikeThePainter();

private:
    std::unique_ptr<CLightDlg> MakePage(const fs::path& skin, QWidget* parent = nullptr);
    tagPROFILE& P() { return state_->Current(); }

    std::unique_ptr<tagSTATEBLOCK> state_;
    StringTable strings_;
    int notices_ = 0;
};

void LightPageTest::initTestCase() {
    QVERIFY(LoadPrivateFontFile(CORVANE_TEST_FONT).has_value());
    QVERIFY(strings_.Load(CORVANE_STRINGS));
}

void LightPageTest::init() {
    state_ = std::make_unique<tagSTATEBLOCK>();
    state_->currentSlot = 0;
    FillProfileDefaults(state_->profiles[0], 0, u"Profile ");
    notices_ = 0;
}

std::unique_ptr<CLightDlg> LightPageTest::MakePage(const fs::path& skin, QWidget* parent) {
    PageContext c;
    c.skinFolder = skin;
    c.strings = &strings_;
    c.working = state_.get();
    c.editNotice = [this](int kind) { notices_ += kind == 2 ? 1 : 100; };
    auto page = std::make_unique<CLightDlg>(parent, c);
    page->RefreshFromProfile();
    QCoreApplication::processEvents();
    return page;
}

void LightPageTest::controlsPerMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("brightness");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QString>("caption");
    QTest::newRow("off") << 0 << false << false << false << QStringLiteral("Off");
    QTest::newRow("steady") << 1 << true << false << true << QStringLiteral("Steady");
    QTest::newRow("breathing") << 2 << false << true << false << QStringLiteral("Breathing");
    QTest::newRow("running") << 8 << false << true << false << QStringLiteral("Running Light");
    QTest::newRow("unknown") << 6 << false << true << false << QStringLiteral("Steady");
}

void LightPageTest::controlsPerMode() {
    QFETCH(int, mode);
    QFETCH(bool, brightness);
    QFETCH(bool, speed);
    QFETCH(bool, colour);
    QFETCH(QString, caption);
    P().lightMode = mode;
    QWidget host;
    auto page = MakePage(CORVANE_SKIN_DIR, &host);
    host.show();
    QCOMPARE(page->Brightness()->isVisible(), brightness);
    QCOMPARE(page->Brightness()->isEnabled(), brightness);
    QCOMPARE(page->Speed()->isVisible(), speed);
    QCOMPARE(page->Selector()->isVisible(), colour);
    QCOMPARE(page->Spin(1)->isVisible(), colour);
    QCOMPARE(page->Swatch(15)->isVisible(), colour);
    QCOMPARE(page->SourceButton(1)->isVisible(), colour);
    QVERIFY(page->Param()->isVisible());
    QVERIFY(page->EffectButton()->isVisible());
    QCOMPARE(page->EffectButton()->accessibleName(), caption);
    QVERIFY(page->HasColourCover());
}

void LightPageTest::everyControlHasAName() {
    P().lightMode = 1;
    QWidget host;
    auto page = MakePage(CORVANE_SKIN_DIR, &host);
    host.show();
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->isVisibleTo(page.get()) && !qobject_cast<CPHSlider*>(w)) {  // a thumb is its track
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
        }
    }
    QCOMPARE(page->SourceButton(0)->accessibleName(), QStringLiteral("Custom"));
    QCOMPARE(page->Swatch(2)->accessibleName(), QStringLiteral("Preset colour 3"));
}

void LightPageTest::textsFitTheirRectangles() {
    struct T {
        int string;
        SkinRect rect;
        std::uint32_t format;
        bool shrink, centre;
    };
    const T texts[] = {{71, {435, 370, 635, 390}, 0x24, false, false},
                       {72, {435, 444, 635, 464}, 0x24, false, false},
                       {75, {695, 137, 795, 154}, 0x26, true, false},
                       {70, {430, 335, 480, 355}, 0x26, true, false},
                       {81, {30, 390, 380, 420}, 0x14, false, true},
                       {97, {30, 416, 380, 436}, 0x14, false, true}};
    for (const T& t : texts) {
        TextStyle s;
        s.text = strings_.Get(t.string);
        s.format = t.format;
        s.shrinkToFit = t.shrink;
        s.centreVertically = t.centre;
        s.rect = t.rect;
        const PreparedText p = PrepareSkinText(s, 14);
        const QFontMetrics m(p.font);
        const QRect need = m.boundingRect(QRect(0, 0, t.rect.Width(), 1000), p.flags, p.shown);
        QVERIFY2(need.width() <= t.rect.Width(), qPrintable(QString::number(t.string)));
        QVERIFY2(need.height() <= t.rect.Height(), qPrintable(QString::number(t.string)));
    }
    // The moving value box: 25 x 15, size 13.
    for (int param : {1, 20, 30}) {
        TextStyle v;
        v.text = QString::fromStdString(ParamText(param)).toStdU16String();
        v.format = 0x25;
        v.rect = {0, 0, 25, 15};
        const PreparedText p = PrepareSkinText(v, 13);
        QVERIFY2(QFontMetrics(p.font).horizontalAdvance(p.shown) <= 25, qPrintable(p.shown));
        QCOMPARE(p.shown, QString::fromStdString(ParamText(param)));
    }
    for (int mode : {0, 1, 2, 3, 4, 7, 8}) {
        int width = 0;
        MeasureTextWidth(ToQString(strings_.Get(CaptionStringOf(mode))), width);
        QVERIFY(width < 180 - 30);  // the effect button, after its caption's indent and arrow
    }
}

void LightPageTest::previewTimerRunsOnlyWhileSeen() {
    P().lightMode = 2;
    P().lightSpeed = 8;
    QWidget window;
    auto* stack = new QStackedWidget(&window);
    auto* other = new QWidget;
    auto page = MakePage(CORVANE_SKIN_DIR);
    stack->addWidget(other);
    stack->addWidget(page.get());
    QVERIFY(!page->PreviewTimerRunning());  // made, not yet seen
    stack->setCurrentWidget(page.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(page->PreviewTimerRunning());
    QCOMPARE(page->PreviewTimerInterval(), 10);
    QTRY_VERIFY(page->Preview().Level() >= 20);

    stack->setCurrentWidget(other);
    QVERIFY(!page->PreviewTimerRunning());
    const int level = page->Preview().Level();
    QTest::qWait(50);
    QCOMPARE(page->Preview().Level(), level);  // stands where it was
    stack->setCurrentWidget(page.get());
    QVERIFY(page->PreviewTimerRunning());

    window.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    QVERIFY(!page->PreviewTimerRunning());
    window.setWindowState(Qt::WindowNoState);
    QTRY_VERIFY(page->PreviewTimerRunning());
    window.hide();
    QVERIFY(!page->PreviewTimerRunning());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    P().lightMode = 8;
    P().lightSpeed = 1;
    page->RefreshFromProfile();
    QCOMPARE(page->PreviewTimerInterval(), 320);
    page->ChooseEffect(1001);  // steady: no timer
    QVERIFY(!page->PreviewTimerRunning());
    stack->removeWidget(page.get());
}

void LightPageTest::damagedValuesNeverRunABadTimer() {
    QWidget host;
    auto page = MakePage(CORVANE_SKIN_DIR, &host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    for (int speed : {0, 9, 100, -5, INT32_MIN, INT32_MAX}) {
        P().lightMode = 2;
        P().lightSpeed = speed;
        page->RefreshFromProfile();
        QVERIFY(page->PreviewTimerRunning());
        QVERIFY(page->PreviewTimerInterval() >= 10);
        P().lightMode = 8;
        page->RefreshFromProfile();
        QVERIFY(page->PreviewTimerInterval() >= 40);
        QCOMPARE(P().lightSpeed, speed);  // shown, not rewritten
    }
    P().lightMode = 42;
    P().lightBrightness = -1;
    P().lightParam = 99;
    page->RefreshFromProfile();
    QVERIFY(!page->PreviewTimerRunning());
    QCOMPARE(page->EffectButton()->accessibleName(), QStringLiteral("Steady"));
    QVERIFY(page->Speed()->isVisible());
    page->TickPreview();
    page->PreviewView()->Render();
}

void LightPageTest::zonesRecolourFromMemory() {
    QTemporaryDir dir;
    const fs::path skin = ToPath(dir.path()) / "skins";
    fs::copy(CORVANE_SKIN_DIR, skin, fs::copy_options::recursive);
    P().lightMode = 1;
    P().lightBrightness = 3;
    P().lightColor = colour::Rgb(10, 200, 30);
    QWidget host;
    auto page = MakePage(skin / "", &host);
    host.show();
    QImage original;
    QVERIFY(original.load(FromPath(skin / "1.png")));
    original = original.convertToFormat(QImage::Format_ARGB32);
    // Gone from disk after loading: the preview keeps working from memory.
    for (int z = 1; z <= 5; ++z) {
        fs::remove(skin / (std::to_string(z) + ".png"));
    }
    page->RefreshFromProfile();
    const QImage zone = page->Zones().Shown(0);
    QCOMPARE(zone.size(), original.size());
    int checked = 0;
    for (int y = 0; y < zone.height(); y += 3) {
        for (int x = 0; x < zone.width(); x += 3) {
            const QRgb o = original.pixel(x, y);
            const QRgb t = zone.pixel(x, y);
            if (qAlpha(o) == 0) {
                QCOMPARE(t, o);
                continue;
            }
            QCOMPARE(qAlpha(t), qAlpha(o) * 90 / 255);
            QCOMPARE(qRgb(qRed(t), qGreen(t), qBlue(t)), qRgb(10, 200, 30));
            ++checked;
        }
    }
    QVERIFY(checked > 0);
    // What is painted is that picture in premultiplied form.
    const QImage drawn = page->Zones().Drawn(0);
    const QImage reference = zone.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(drawn.format(), reference.format());
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* d = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            QVERIFY(std::abs(qAlpha(d[x]) - qAlpha(r[x])) == 0);
            QVERIFY(std::abs(qRed(d[x]) - qRed(r[x])) <= 1);
            QVERIFY(std::abs(qGreen(d[x]) - qGreen(r[x])) <= 1);
            QVERIFY(std::abs(qBlue(d[x]) - qBlue(r[x])) <= 1);
        }
    }

    P().lightMode = 8;
    page->RefreshFromProfile();
    const QPoint in2 = OpaquePoint(2);
    page->TickPreview();
    QCOMPARE(qAlpha(page->Zones().Drawn(1).pixel(in2)), 0);  // zone 1 lit, the rest dark
    page->TickPreview();
    QCOMPARE(Opaque(page->Zones().Shown(1).pixel(in2)), 0xFFFF2000u);  // then zone 2, next colour
}

void LightPageTest::missingPicturesAreLeftUndrawn() {
    QTemporaryDir dir;
    const fs::path skin = ToPath(dir.path()) / "skins";
    fs::copy(CORVANE_SKIN_DIR, skin, fs::copy_options::recursive);
    for (const char* f : {"2.png", "Mouse.png", "light_dis.jpg", "slider_arrow_rect.bmp"}) {
        fs::remove(skin / f);
    }
    P().lightMode = 3;
    QWidget host;
    auto page = MakePage(skin / "", &host);
    host.show();
    QVERIFY(!page->HasColourCover());
    QVERIFY(page->PreviewView()->MousePicture().isNull());
    QVERIFY(!page->Zones().Loaded(1));
    QVERIFY(!page->Speed()->isVisible());  // no thumb picture: never created
    for (int i = 0; i < 5; ++i) {
        page->TickPreview();
    }
    QVERIFY(page->Zones().Drawn(1).isNull());
    QVERIFY(!page->Zones().Drawn(0).isNull());
    page->grab();
    page->PreviewView()->Render();
}

void LightPageTest::swatchesAndSpinBoxesStoreTheColour() {
    P().lightMode = 1;
    P().lightColorSource = 0;
    QWidget host;
    auto page = MakePage(CORVANE_SKIN_DIR, &host);
    host.show();
    QVERIFY(page->Selector()->isEnabled());
    QVERIFY(!page->Swatch(0)->isEnabled());
    QTest::mouseClick(page->SourceButton(1), Qt::LeftButton);
    QCOMPARE(P().lightColorSource, 1);
    QVERIFY(!page->Selector()->isEnabled());
    QVERIFY(!page->Spin(0)->isEnabled());
    QVERIFY(!page->Well()->isEnabled());
    QVERIFY(!page->ColourBarWnd()->isEnabled());
    QVERIFY(page->Swatch(2)->isEnabled());

    // Space, Enter and Escape never press a control of the page.
    page->Swatch(0)->setFocus();
    QTest::keyClick(page->Swatch(0), Qt::Key_Space);
    QTest::keyClick(page->Swatch(0), Qt::Key_Return);
    QCOMPARE(P().lightColor, 255u);
    QTest::mouseClick(page->Swatch(2), Qt::LeftButton);
    QCOMPARE(P().lightColor, colour::Rgb(0, 128, 255));
    QTRY_COMPARE(page->Spin(2)->NumberBox()->text(), QStringLiteral("255"));
    QCOMPARE(Opaque(page->Zones().Shown(0).pixel(OpaquePoint(1))), 0xFF0080FFu);  // repainted
    QCOMPARE(page->Well()->Colour(), colour::Rgb(0, 128, 255));

    QTest::mouseClick(page->SourceButton(0), Qt::LeftButton);
    Drain();
    P().lightColor = colour::Rgb(10, 20, 30);
    page->RefreshFromProfile();
    Drain();
    QCOMPARE(P().lightColor, colour::Rgb(10, 20, 30));  // the boxes' own notices settle
    CBmpEdit* green = page->Spin(1)->NumberBox();
    green->setText(QStringLiteral("16"));
    Drain();
    QCOMPARE(colour::Green(P().lightColor), 16);
    QVERIFY(std::abs(colour::Red(P().lightColor) - 10) <= 1);
    QVERIFY(std::abs(colour::Blue(P().lightColor) - 30) <= 1);
    CBmpEdit* red = page->Spin(0)->NumberBox();
    red->setText(QStringLiteral("300"));
    Drain();
    QCOMPARE(red->text(), QStringLiteral("255"));
    QCOMPARE(colour::Red(P().lightColor), 255);
    QCOMPARE(notices_, 0);  // colour edits send no edit notice
}

void LightPageTest::valueBoxFollowsTheThumb() {
    P().lightMode = 1;
    P().lightParam = 1;
    QWidget host;
    auto page = MakePage(CORVANE_SKIN_DIR, &host);
    host.show();
    QCoreApplication::processEvents();
    const int left1 = page->ValueBox().left();
    P().lightParam = 30;
    page->RefreshFromProfile();
    QCoreApplication::processEvents();
    QCOMPARE(page->ValueBox().left(), page->Param()->Thumb()->x() + 22);
    QVERIFY(page->ValueBox().left() > left1);
    QCOMPARE(page->ValueBox().width(), 25);
    // A settled slider is the only edit that tells the main window.
    QTest::mouseClick(page->Param(), Qt::LeftButton, {}, QPoint(2, 5));
    QTRY_COMPARE(notices_, 1);
    QCOMPARE(P().lightParam, 1);
}

void LightPageTest::pickerWindowsPostOneDragEnd() {
    Counter parent;
    parent.resize(300, 200);
    auto* selector = new GTColorSelectorWnd(&parent, 100);
    auto* bar = new GTColorSliderWnd(&parent, 101);
    auto* well = new GTColorWellWnd(&parent, 0);
    selector->setGeometry(0, 0, 170, 170);
    bar->setGeometry(180, 0, 20, 170);
    well->setGeometry(210, 0, 40, 76);
    selector->Link(bar, well);
    selector->SetModel(3, 1000, 1000);
    bar->SetModel(3 | ColourBar::kReversed);
    parent.show();
    selector->SetColour(colour::Rgb(40, 80, 120));
    QTest::mousePress(selector, Qt::LeftButton, {}, QPoint(85, 85));
    QMouseEvent beyond(QEvent::MouseMove, QPointF(400, -50), QPointF(400, -50), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(selector, &beyond);
    QCOMPARE(selector->Core().Point().x, 1000);
    QCOMPARE(selector->Core().Point().y, 1000);
    QTest::mouseRelease(selector, Qt::LeftButton, {}, QPoint(400, -50));
    Drain();
    QCOMPARE(parent.ended, 1);
    QVERIFY(parent.changed >= 1);
    QCOMPARE(well->Colour(), selector->Colour());
}

// Also run at scale 2, where the page takes the 2x twins of the zones, the mouse and the
// background and composes at twice the pixels.
void LightPageTest::previewComposesLikeThePainter() {
    P().lightMode = 8;
    QWidget host;
    auto page = MakePage(CORVANE_SKIN_DIR, &host);
    host.show();
    page->TickPreview();
    page->TickPreview();  // zone 2 lit, the others transparent
    LightPreviewView* view = page->PreviewView();
    const int ratio = host.devicePixelRatioF() > 1 ? 2 : 1;
    QCOMPARE(page->Zones().Ratio(), ratio);
    const QString folder = QString::fromUtf8(CORVANE_SKIN_DIR);
    const QString twin = ratio > 1 ? QStringLiteral("@2x.png") : QString();
    QImage background;
    QVERIFY(background.load(folder + (ratio > 1 ? QStringLiteral("light_normal@2x.png")
                                                : QStringLiteral("light_normal.bmp"))));
    background.setDevicePixelRatio(ratio);
    QImage mouse;
    QVERIFY(
        mouse.load(folder + QStringLiteral("Mouse") + (ratio > 1 ? twin : QStringLiteral(".png"))));
    mouse.setDevicePixelRatio(ratio);
    QImage expected(view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(ratio);
    {
        QPainter p(&expected);
        p.translate(-view->pos());
        p.drawImage(QRectF(view->geometry()), background,
                    QRectF(QPointF(view->pos()) * ratio, QSizeF(view->size()) * ratio));
        for (int z = 0; z < kZoneCount; ++z) {
            const SkinRect& r = kZoneRects[static_cast<std::size_t>(z)];
            if (!page->Zones().Drawn(z).isNull()) {
                p.drawImage(QPoint(r.left, r.top), page->Zones().Drawn(z));
            }
        }
        p.drawImage(view->PreviewRect().topLeft(), mouse);
    }
    const QImage shown = view->Render();
    QCOMPARE(shown.size(), expected.size());
    int worst = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
}

QTEST_MAIN(LightPageTest)
#include "LightPageTest.moc"
