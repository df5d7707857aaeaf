#pragma once

#include <memory>

#include "pages/Page.h"

enum class PageKind { Buttons, Macro, Sensitivity, Lighting };

// Each page's folder supplies its page here; the main window knows only this.
std::unique_ptr<Page> CreatePage(PageKind kind, QWidget* parent, const PageContext& context);
// The same page, made when it is first shown.
std::unique_ptr<Page> CreatePageOnFirstShow(PageKind kind, QWidget* parent,
                                            const PageContext& context);
