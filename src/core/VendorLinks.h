// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the About box sends the user.
namespace VendorLinks {
inline constexpr const char* kSupportMail = "support@hourglint.org";
inline constexpr const char* kSalesMail = "sales@hourglint.org";
inline constexpr const char* kHomepage = "https://hourglint.org";
}  // namespace VendorLinks
