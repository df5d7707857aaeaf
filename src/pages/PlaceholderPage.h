#pragma once

#include <memory>
#include <string>

#include "pages/Page.h"

class SkinWindow;

// A page whose controls have not been built: it shows its skinned background and nothing
// else, so its tab is never a blank area.
class PlaceholderPage : public Page {
    Q_OBJECT
public:
    PlaceholderPage(QWidget* parent, PageContext context, const std::string& layoutFile);
    ~PlaceholderPage() override;
    void RefreshFromProfile() override {}

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    std::unique_ptr<SkinWindow> skin_;
};
