// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <string>

// Brings the window forward until the sampler reports it, events handled meanwhile; the
// sampler learns of the switch only from the events it reads on the event loop.
template <class Session, class Sampler>
auto FrontSample(Session& session, Sampler& sampler, const std::string& title) {
    decltype(sampler.Sample()) sample;
    session.FocusUntil(title, [&] {
        QCoreApplication::processEvents();
        sample = sampler.Sample();
        return sample.title == title;
    });
    return sample;
}
