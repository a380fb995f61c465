# One INTERFACE target that every target of the project links: language level,
# warnings, Qt's strictness defines and, in the test flavour, the sanitizers.
add_library(debt_options INTERFACE)
target_compile_features(debt_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(debt_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
target_compile_definitions(debt_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_FOREACH
  QT_NO_KEYWORDS
  QT_STRICT_ITERATORS)

if(DEBT_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(debt_options INTERFACE ${_san})
  target_link_options(debt_options INTERFACE ${_san})
endif()

set(CMAKE_AUTOMOC ON)
