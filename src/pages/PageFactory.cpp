#include "pages/PageFactory.h"

#include "pages/PlaceholderPage.h"
#include "pages/lighting/CLightDlg.h"

std::unique_ptr<Page> CreatePage(PageKind kind, QWidget* parent, const PageContext& context) {
    switch (kind) {
        case PageKind::Buttons:
            return std::make_unique<PlaceholderPage>(parent, context, "skin_button.ini");
        case PageKind::Macro:
            return std::make_unique<PlaceholderPage>(parent, context, "skin_macro_manager.ini");
        case PageKind::Sensitivity:
            return std::make_unique<PlaceholderPage>(parent, context, "skin_sensitivity.ini");
        case PageKind::Lighting:
            return std::make_unique<CLightDlg>(parent, context);
    }
    return nullptr;
}
