// SPDX-License-Identifier: GPL-3.0-or-later
// Must not build: see CMakeLists.txt.
#include "jobs/list_rows.h"
