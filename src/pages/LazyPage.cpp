#include "pages/LazyPage.h"

#include <QResizeEvent>

LazyPage::LazyPage(QWidget* parent, PageContext context, MakeFn make)
    : Page(parent, std::move(context)), make_(std::move(make)) {}

void LazyPage::RefreshFromProfile() {
    if (real_ != nullptr) {
        real_->RefreshFromProfile();
    }
}

void LazyPage::SelectLevel() {
    if (real_ != nullptr) {
        real_->SelectLevel();
    }
}

void LazyPage::ShowReportRate() {
    if (real_ != nullptr) {
        real_->ShowReportRate();
    }
}

void LazyPage::ClosePopups() {
    if (real_ != nullptr) {
        real_->ClosePopups();
    }
}

void LazyPage::showEvent(QShowEvent* e) {
    if (real_ == nullptr && make_) {
        std::unique_ptr<Page> page = make_(this);
        make_ = nullptr;
        if (page != nullptr) {
            real_ = page.release();  // owned as a child
            real_->setGeometry(rect());
            // Whatever changed while the page did not exist (slot, level, rate) shows now.
            real_->RefreshFromProfile();
            real_->show();
        }
    }
    Page::showEvent(e);
}

void LazyPage::resizeEvent(QResizeEvent* e) {
    if (real_ != nullptr) {
        real_->setGeometry(QRect(QPoint(0, 0), e->size()));
    }
    Page::resizeEvent(e);
}
