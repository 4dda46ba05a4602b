// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <functional>
#include <string>

// Brings the window forward until the sampler reports it, events handled meanwhile; the
// sampler learns of the switch only from the events it reads on the event loop.
// ready, when given, must also hold for the sample (a window whose process is read late).
template <class Session, class Sampler>
auto FrontSample(Session& session, Sampler& sampler, const std::string& title,
                 const std::function<bool(const decltype(sampler.Sample())&)>& ready = {}) {
    decltype(sampler.Sample()) sample;
    session.FocusUntil(
        title,
        [&] {
            QCoreApplication::processEvents();
            sample = sampler.Sample();
            return sample.title == title && (!ready || ready(sample));
        },
        60000);
    return sample;
}
