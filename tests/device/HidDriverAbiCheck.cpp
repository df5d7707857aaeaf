// The loader binds through the pointer types; a declaration that drifts from its pointer
// type fails the build here instead of corrupting the stack at run time.
#include <type_traits>

#include "hiddriver.h"

static_assert(std::is_same_v<decltype(&Get_ApiVersion), hiddriver_Get_ApiVersion_fn>);
static_assert(std::is_same_v<decltype(&Set_VIDPID), hiddriver_Set_VIDPID_fn>);
static_assert(std::is_same_v<decltype(&Open_DevMonitor), hiddriver_Open_DevMonitor_fn>);
static_assert(std::is_same_v<decltype(&Close_DevMonitor), hiddriver_Close_DevMonitor_fn>);
static_assert(std::is_same_v<decltype(&Open_FeatureDevice), hiddriver_Open_FeatureDevice_fn>);
static_assert(std::is_same_v<decltype(&Close_FeatureDevice), hiddriver_Close_FeatureDevice_fn>);
static_assert(std::is_same_v<decltype(&SetFeature), hiddriver_SetFeature_fn>);
static_assert(std::is_same_v<decltype(&GetFeature), hiddriver_GetFeature_fn>);
