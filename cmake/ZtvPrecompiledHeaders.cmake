# Qt's headers are most of what each source file compiles. They are parsed once for each group of
# targets that compile with the same flags and Qt modules: the donor precompiles them, the others
# reuse its result. A target missing from a list still builds, only slower; a new library joins
# the group whose Qt modules it links.
set(ZTV_PCH_GUI <QByteArray> <QDir> <QFile> <QFileInfo> <QImage> <QList> <QPainter> <QRect>
    <QString> <QStringList> <algorithm> <functional> <memory> <optional> <vector>)
set(ZTV_PCH_WIDGETS ${ZTV_PCH_GUI} <QApplication> <QCheckBox> <QComboBox> <QDialog> <QLabel>
    <QLineEdit> <QPushButton> <QWidget>)

function(ztv_share_precompiled_headers donor headers)
    if(NOT TARGET ${donor})
        return()
    endif()
    target_precompile_headers(${donor} PRIVATE ${headers})
    foreach(target ${ARGN})
        if(TARGET ${target})
            target_precompile_headers(${target} REUSE_FROM ${donor})
        endif()
    endforeach()
endfunction()

# Qt Core and Gui (the donor is the bottom library, so reusing adds no dependency cycle).
ztv_share_precompiled_headers(ztv_platform "${ZTV_PCH_GUI}"
    ztv_formats ztv_archives ztv_media ztv_builder ztv_transitions ztv_elements ztv_engine
    ztv_document ztv_effect_gallery ztvtool_lib ztv_fuzz_targets ztv_test_support ztv_test_main
    platform_tests formats_tests archives_tests media_tests builder_tests tools_tests fuzz_tests
    transitions_tests elements_tests engine_fixtures engine_tests)
# Qt Widgets as well: the windows and their tests.
ztv_share_precompiled_headers(ztv_player "${ZTV_PCH_WIDGETS}"
    ztv_editor_position ztv_editor_storyboard ztv_editor_dialogs ztv_editor player_tests
    editor_fixtures editor_tests)
# Qt Widgets without the player's Print Support and Network: the editor's shared widgets and
# the build wizard. (The editor's printing, with Print Support alone, compiles its few files
# without precompiled headers.)
ztv_share_precompiled_headers(ztv_editor_widgets "${ZTV_PCH_WIDGETS}" ztv_editor_builder)

# GLib's headers name a field `signals`, which Qt's headers define as a keyword: the sources
# that include them do without the precompiled Qt headers.
set_source_files_properties(
    ${PROJECT_SOURCE_DIR}/common/media/GstMediaService.cpp
    ${PROJECT_SOURCE_DIR}/common/media/GstPipeline.cpp
    ${PROJECT_SOURCE_DIR}/common/archives/CabWriter.cpp
    DIRECTORY ${PROJECT_SOURCE_DIR}/common
    PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
