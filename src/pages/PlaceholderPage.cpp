#include "pages/PlaceholderPage.h"

#include <QMouseEvent>

#include "skin/SkinWindow.h"

PlaceholderPage::PlaceholderPage(QWidget* parent, PageContext context,
                                 const std::string& layoutFile)
    : Page(parent, std::move(context)), skin_(std::make_unique<SkinWindow>(*this)) {
    skin_->Load(Context().skinFolder, layoutFile);
    skin_->Finish();
}

PlaceholderPage::~PlaceholderPage() = default;

void PlaceholderPage::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && Context().backgroundClicked) {
        Context().backgroundClicked();
    }
}
