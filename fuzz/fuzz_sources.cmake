# The sources behind the fuzz entry points, shared by the libFuzzer build and
# the sanitized corpus replay of the test suite.
get_filename_component(FUZZ_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(FUZZ_CODE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_entry_points.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/text_dump.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/page_scan.cpp
  ${FUZZ_SOURCE_ROOT}/src/folios/folio_targets.cpp
  ${FUZZ_SOURCE_ROOT}/src/folios/folio_map.cpp
  ${FUZZ_SOURCE_ROOT}/src/folios/folio_reader.cpp
  ${FUZZ_SOURCE_ROOT}/src/page/numerals.cpp
  ${FUZZ_SOURCE_ROOT}/src/page/text_layer.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/link_writer.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/annotation_merge.cpp
  ${FUZZ_SOURCE_ROOT}/src/djvused/annotation_records.cpp
  ${FUZZ_SOURCE_ROOT}/src/align/fix_script.cpp
  ${FUZZ_SOURCE_ROOT}/src/autolinks/auto_contents.cpp
  ${FUZZ_SOURCE_ROOT}/src/autolinks/auto_index.cpp
  ${FUZZ_SOURCE_ROOT}/src/autolinks/number_reading.cpp
  ${FUZZ_SOURCE_ROOT}/src/page/printed_lines.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/auto_page_links.cpp
  ${FUZZ_SOURCE_ROOT}/src/outline/outline_title.cpp
  ${FUZZ_SOURCE_ROOT}/src/outline/outline_script.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/link_style.cpp
  ${FUZZ_SOURCE_ROOT}/src/create/recognition.cpp
  ${FUZZ_SOURCE_ROOT}/src/align/alignment_passes.cpp
  ${FUZZ_SOURCE_ROOT}/src/align/dump_line.cpp
  ${FUZZ_SOURCE_ROOT}/src/djvused/script_dialect.cpp
  ${FUZZ_SOURCE_ROOT}/src/djvused/selection_line.cpp
  ${FUZZ_SOURCE_ROOT}/src/djvused/component_list.cpp
  ${FUZZ_SOURCE_ROOT}/src/djvused/page_targets.cpp
  ${FUZZ_SOURCE_ROOT}/src/core/headless_front_end.cpp
  ${FUZZ_SOURCE_ROOT}/src/core/log_text.cpp
  ${FUZZ_SOURCE_ROOT}/src/core/job_log.cpp
  ${FUZZ_SOURCE_ROOT}/src/core/create_job.cpp
  ${FUZZ_SOURCE_ROOT}/src/core/fix_job.cpp)
