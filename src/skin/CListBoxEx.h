// The owner-drawn list: rows with an icon and a text, a hover mark, press rows paired with
// their release rows, and an in-place editor for one row. The owner sets the colours and
// adds the rows; the list draws them and reports edits and right clicks to its notify window.
#pragma once

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <array>
#include <cstdint>
#include <filesystem>

#include "skin/WheelNotches.h"

class CListBoxEx : public QListWidget {
    Q_OBJECT
signals:
    // Typed forms of 1524 / 1526 (in-place edit committed) and 1724 (right click).
    void notified(unsigned number, int row, qintptr lParam);

public:
    explicit CListBoxEx(QWidget* parent = nullptr);

    // The row icons 2..9 from the skin folder's res/res_<k>.bmp; pure red is see-through.
    // At a ratio above 1 the icons' 2x twins, which paint at the 1x size.
    static std::array<QImage, 10> LoadRowIcons(const std::filesystem::path& skinFolder,
                                               qreal devicePixelRatio = 1.0);
    void SetRowIcons(const std::array<QImage, 10>& icons);

    // COLORREF values, as the owners hold them.
    void SetHighlightColour(std::uint32_t c);
    void SetBackColour(std::uint32_t c);
    void SetTextColour(std::uint32_t c);
    void SetHighlightTextColour(std::uint32_t c);
    void SetBackgroundBrush(std::uint32_t c);
    void SetRowHeight(int h);
    int RowHeight() const { return rowHeight_; }
    void SetControlId(int id) { controlId_ = id; }
    int ControlId() const { return controlId_; }
    void SetNotifyWindow(QObject* w) { notify_ = w; }
    void SetAnyText(bool on) { anyText_ = on; }
    bool AnyText() const { return anyText_; }

    int AddRow(const QString& text, std::uint32_t value);
    void InsertRow(int row, const QString& text, std::uint32_t value);
    std::uint32_t RowValue(int row) const;
    QString RowText(int row) const;
    int HoverRow() const { return hoverRow_; }
    // The row drawn in the partner colour: the partner of the selected row, or -1.
    int PartnerOfSelection() const;

    // The in-place editor on the selected row; nothing when one is open or none is selected.
    void OpenEditor();
    // The owner's commit: the row takes the editor's text, or goes when it is empty.
    void CloseEditor();
    QLineEdit* Editor() const { return editor_; }
    int EditRow() const { return editRow_; }
    bool EditPending() const { return editPending_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawRow(QPainter& p, const QRect& r, int row, int partner) const;
    void CommitOnFocusReturn();
    bool ReplaceEditedRow(int row, const QString& text);
    void CancelEditor();
    void DropEditor();
    void Notify(std::uint32_t number, int row, std::intptr_t lParam);
    bool RowHasIcon(int row) const;

    std::array<QImage, 10> icons_;
    QFont editorFont_;
    int rowHeight_ = 24;
    std::uint32_t highlightColour_ = 0;
    std::uint32_t backColour_ = 0;
    std::uint32_t textColour_ = 0;
    std::uint32_t highlightTextColour_ = 0;
    std::uint32_t backgroundBrush_ = 0;
    bool hasBackgroundBrush_ = false;
    int iconWidth_ = 16;
    int iconHeight_ = 16;
    int hoverRow_ = -1;  // no row until the pointer is over one
    WheelNotches wheel_;
    int editRow_ = -1;
    QPointer<QLineEdit> editor_;
    bool anyText_ = false;
    bool editPending_ = false;
    QPointer<QObject> notify_;
    int controlId_ = 0;
};
