# The image list: tools/imlpack paints qimvorImg.art and packs the pictures into C++ data.
set(QIMVOR_IMAGES_OUT ${CMAKE_CURRENT_BINARY_DIR}/qimvorImg_data.cpp)
add_custom_command(
  OUTPUT ${QIMVOR_IMAGES_OUT}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:imlpack> ${CMAKE_CURRENT_SOURCE_DIR}/qimvorImg.art ${QIMVOR_IMAGES_OUT} qimvor/qimvorImg.h
  DEPENDS imlpack ${CMAKE_CURRENT_SOURCE_DIR}/qimvorImg.art
  COMMENT "Packing the image list qimvorImg"
  VERBATIM)
list(APPEND QIMVOR_GENERATED ${QIMVOR_IMAGES_OUT} ${CMAKE_CURRENT_SOURCE_DIR}/qimvorImg.h)
