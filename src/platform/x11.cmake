# target_sources(hourglint_platform PRIVATE ...) for the X11 sampler and icons
