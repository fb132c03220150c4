// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// RC4, the stream cipher Access files use to mask their header page and, when
// page encoding is on, every further page.

#include <cstddef>
#include <cstdint>
#include <span>

// XORs `data` in place with the RC4 keystream of `key` (encoding and decoding
// are the same operation).
void rc4_apply(std::span<const std::uint8_t> key, std::span<std::uint8_t> data);
