# The vector diagnosis: chart to plane vectors, naming the concepts of a chart, analysing a body, and
# the chart layer drawn over the plane.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/sign_fold.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart_vectors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/nearest_concept.cpp
    ${CMAKE_CURRENT_LIST_DIR}/astral_concepts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyse_point.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart_layer.cpp)
