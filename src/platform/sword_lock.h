// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// libsword keeps process-wide state (its file manager, versifications,
// locales) without locks of its own, so every use of it holds this lock.

#include <mutex>

std::unique_lock<std::recursive_mutex> sword_lock();
