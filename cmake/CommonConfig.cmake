# Build settings shared by every target of ours: link corvana_common.
add_library(corvana_common INTERFACE)
target_compile_features(corvana_common INTERFACE cxx_std_20)
target_compile_options(corvana_common INTERFACE -Wall -Wextra)
target_compile_definitions(corvana_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT ASIO_STANDALONE)
if(CORVANA_WERROR)
  target_compile_options(corvana_common INTERFACE -Werror)
endif()
if(CORVANA_SANITIZE)
  # Applied globally so that every object, ours or generated, agrees on the runtime.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
