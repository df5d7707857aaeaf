#include "pages/PageFactory.h"

#include "pages/LazyPage.h"
#include "pages/sensitivity/CSensitivityDlg.h"
#include "pages/buttons/CButtonDlg.h"
#include "pages/macro/CMacroManagerDlg.h"
#include "pages/lighting/CLightDlg.h"

std::unique_ptr<Page> CreatePage(PageKind kind, QWidget* parent, const PageContext& context) {
    switch (kind) {
        case PageKind::Buttons:
            return std::make_unique<CButtonDlg>(parent, context);
        case PageKind::Macro:
            return std::make_unique<CMacroManagerDlg>(parent, context);
        case PageKind::Sensitivity:
            return std::make_unique<CSensitivityDlg>(parent, context);
        case PageKind::Lighting:
            return std::make_unique<CLightDlg>(parent, context);
    }
    return nullptr;
}

std::unique_ptr<Page> CreatePageOnFirstShow(PageKind kind, QWidget* parent,
                                            const PageContext& context) {
    return std::make_unique<LazyPage>(parent, context, [kind, context](QWidget* host) {
        return CreatePage(kind, host, context);
    });
}
