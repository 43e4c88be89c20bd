# quillmark_sanitized_layers(SUFFIX LAYER...): for each layer, in order from
# the bottom, a copy of its library (quillmark_<layer><SUFFIX>) built from the
# library's own source list with AddressSanitizer and
# UndefinedBehaviorSanitizer, linked to the copies of the layers below it, so
# a sanitized program tests the very code the build ships.
set(QUILLMARK_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

function(quillmark_sanitized_layers suffix)
  foreach(layer ${ARGN})
    set(library quillmark_${layer})
    get_target_property(sources ${library} SOURCES)
    get_target_property(links ${library} LINK_LIBRARIES)
    list(TRANSFORM links REPLACE "^(quillmark_[a-z]+)$" "\\1${suffix}")
    add_library(${library}${suffix} STATIC ${sources})
    target_link_libraries(${library}${suffix} PUBLIC ${links})
    foreach(property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS)
      get_target_property(value ${library} INTERFACE_${property})
      if(value)
        set_property(TARGET ${library}${suffix} PROPERTY ${property} ${value})
        set_property(TARGET ${library}${suffix} PROPERTY INTERFACE_${property} ${value})
      endif()
    endforeach()
    target_compile_options(${library}${suffix} PUBLIC ${QUILLMARK_SANITIZER_FLAGS})
    target_link_options(${library}${suffix} PUBLIC -fsanitize=address,undefined)
  endforeach()
endfunction()
