# The English interface. Russian is the source language; translations/
# holds one .ts file per further language. `cmake --build build --target
# update_translations` refreshes them from the sources (lupdate); the .qm
# files are built by lrelease and compiled into the core library as resources
# under :/i18n/, so both programs carry them.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(QUILLMARK_TS_FILES ${PROJECT_SOURCE_DIR}/translations/quillmark_en.ts)
file(GLOB_RECURSE QUILLMARK_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.ui)
qt_add_lupdate(quillmark_core TS_FILES ${QUILLMARK_TS_FILES} SOURCES ${QUILLMARK_TRANSLATED_SOURCES}
               OPTIONS -no-obsolete -locations none)
qt_add_lrelease(quillmark_core TS_FILES ${QUILLMARK_TS_FILES} QM_FILES_OUTPUT_VARIABLE QUILLMARK_QM_FILES)
qt_add_resources(quillmark_core quillmark_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${QUILLMARK_QM_FILES})
