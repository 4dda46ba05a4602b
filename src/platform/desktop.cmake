# target_sources(hourglint_platform PRIVATE ...) for settings store, autorun, program folder
