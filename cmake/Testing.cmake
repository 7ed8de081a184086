include(GoogleTest)

# zrt_test_suite(NAME [QT_CORE_MAIN | QT_GUI_MAIN | QT_WIDGETS_MAIN] SOURCES a.cpp ... LIBS lib...)
# The QT_*_MAIN options run the tests inside a QCoreApplication, a
# QGuiApplication or a QApplication (offscreen unless QT_QPA_PLATFORM says
# otherwise) instead of plain gtest_main.
function(zrt_test_suite name)
    cmake_parse_arguments(ARG "QT_CORE_MAIN;QT_GUI_MAIN;QT_WIDGETS_MAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set(support ${PROJECT_SOURCE_DIR}/tests/support)
    if(ARG_QT_CORE_MAIN)
        target_sources(${name} PRIVATE ${support}/qt_core_main.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Core GTest::gmock GTest::gtest)
    elseif(ARG_QT_GUI_MAIN)
        target_sources(${name} PRIVATE ${support}/qt_gui_main.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Gui GTest::gmock GTest::gtest)
    elseif(ARG_QT_WIDGETS_MAIN)
        target_sources(${name} PRIVATE ${support}/qt_widgets_main.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} zrt_controls Qt6::Widgets GTest::gmock GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    endif()
    target_link_libraries(${name} PRIVATE zrt_test_support)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    zrt_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
