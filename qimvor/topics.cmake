# The rich-text topics: tools/tpppack compresses every app.tpp/*.tpp into C++ data and writes
# RegisterAppTopics(), declared in the generated app_tpp.h.
file(GLOB QIMVOR_TOPIC_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app.tpp/*.tpp)
set(QIMVOR_TOPICS_OUT ${CMAKE_CURRENT_BINARY_DIR}/app_tpp.cpp)
set(QIMVOR_TOPICS_HEADER ${CMAKE_CURRENT_BINARY_DIR}/app_tpp.h)
add_custom_command(
  OUTPUT ${QIMVOR_TOPICS_OUT} ${QIMVOR_TOPICS_HEADER}
  COMMAND $<TARGET_FILE:tpppack> "<qimvor/app.tpp/all.i>" RegisterAppTopics
          ${QIMVOR_TOPICS_OUT} ${QIMVOR_TOPICS_HEADER} ${QIMVOR_TOPIC_FILES}
  DEPENDS tpppack ${QIMVOR_TOPIC_FILES}
  COMMENT "Packing the rich-text topics of app.tpp"
  VERBATIM)
list(APPEND QIMVOR_GENERATED ${QIMVOR_TOPICS_OUT} ${QIMVOR_TOPICS_HEADER})
