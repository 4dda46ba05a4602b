// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gives assistive technology what Qt's own interfaces cannot tell about our drawn controls:
// CHyperLink as a link, CDigitLabel as one steady text, and every widget implementing
// IAccessibleTable as a table of its cells. Call once, before the windows are built; a
// second call does nothing.
void InstallAccessibleFactory();
