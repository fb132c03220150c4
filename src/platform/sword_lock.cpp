// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_lock.h"

std::unique_lock<std::recursive_mutex> sword_lock()
{
    static std::recursive_mutex mutex;
    return std::unique_lock(mutex);
}
