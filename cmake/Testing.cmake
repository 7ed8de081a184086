include(GoogleTest)

# zrt_test_suite(NAME SOURCES a.cpp b.cpp LIBS lib... [QT_CORE_MAIN])
# QT_CORE_MAIN runs the tests inside a QCoreApplication instead of plain gtest_main.
function(zrt_test_suite name)
    cmake_parse_arguments(ARG "QT_CORE_MAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT_CORE_MAIN)
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_core_main.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Core GTest::gmock GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    endif()
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    zrt_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
