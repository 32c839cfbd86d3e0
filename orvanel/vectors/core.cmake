# The vector diagnosis: chart to plane vectors, naming the concepts of a chart.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/sign_fold.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart_vectors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/nearest_concept.cpp)
