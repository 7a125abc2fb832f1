# The rich-text topics: tools/tpppack compresses every app.tpp/*.tpp into C++ data and writes
# RegisterAppTopics(), declared in the generated app_tpp.h.
set(QIMVOR_TOPICS
    about$de-de about$en-us about$es-es about$fr-fr about$it-it about$nl-nl about$pt-pt about$ro-ro about$ru-ru
    about$zh-cn donate$en-us log2$en-us logani$en-us logo$en-us tt$en-us webpage$en-us)
list(TRANSFORM QIMVOR_TOPICS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/app.tpp/ OUTPUT_VARIABLE QIMVOR_TOPIC_FILES)
list(TRANSFORM QIMVOR_TOPIC_FILES APPEND .tpp)
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
