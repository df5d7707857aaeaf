// Stands in for a page until its tab is first shown: a page decodes its skin and builds
// dozens of controls, and most sessions never open three of the four.
#pragma once

#include <functional>
#include <memory>

#include "pages/Page.h"

class LazyPage : public Page {
    Q_OBJECT
public:
    using MakeFn = std::function<std::unique_ptr<Page>(QWidget* parent)>;

    LazyPage(QWidget* parent, PageContext context, MakeFn make);

    // The real page, or null before the first show.
    Page* Real() const { return real_; }

    // Before the page exists there is nothing to refresh: it reads the profile when made.
    void RefreshFromProfile() override;
    void SelectLevel() override;
    void ShowReportRate() override;
    void ClosePopups() override;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    MakeFn make_;
    Page* real_ = nullptr;  // a child widget
};
