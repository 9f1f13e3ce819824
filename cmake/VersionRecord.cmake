# The program's version record. The version itself is the project's, set
# once in the top-level CMakeLists.txt; everything that shows a version (the
# executable's record, the About box, the desktop entry, the packages and
# the manual pages) takes it from here.
set(VERSION_FILE "${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, ${PROJECT_VERSION_PATCH}, ${PROJECT_VERSION_TWEAK}")
set(VERSION_PRODUCT "${VERSION_FILE}")
set(VERSION_SHORT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(VERSION_DESCRIPTION "Quarnel MFC Application")
set(VERSION_INTERNAL_NAME "Quarnel")
set(VERSION_ORIGINAL_FILENAME "Quarnel.EXE")
set(VERSION_PRODUCT_NAME "Quarnel Application")
set(VERSION_COMMENTS "Edits the static tiles of a game's tile-data file")
