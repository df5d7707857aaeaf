#include "pages/PageFactory.h"

#include "pages/PlaceholderPage.h"
#include "pages/buttons/CButtonDlg.h"
#include "pages/macro/CMacroManagerDlg.h"

std::unique_ptr<Page> CreatePage(PageKind kind, QWidget* parent, const PageContext& context) {
    switch (kind) {
        case PageKind::Buttons:
            return std::make_unique<CButtonDlg>(parent, context);
        case PageKind::Macro:
            return std::make_unique<CMacroManagerDlg>(parent, context);
        case PageKind::Sensitivity:
            return std::make_unique<PlaceholderPage>(parent, context, "skin_sensitivity.ini");
        case PageKind::Lighting:
            return std::make_unique<PlaceholderPage>(parent, context, "skin_light.ini");
    }
    return nullptr;
}
