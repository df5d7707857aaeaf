#pragma once

#include "app/IniFile.h"
