# Collects the texts of the code into the English .ts files with lupdate.
#   cmake -DLUPDATE=path -DSOURCE_DIR=repo -DMODE=update -P lupdate.cmake
#     refreshes i18n/*.ts (new texts come in unfinished; translate them);
#   ... -DMODE=check -DWORK_DIR=dir -P lupdate.cmake
#     refreshes copies in WORK_DIR and fails when any text lacks a finished
#     English translation or a translated text is no longer in the code.
set(korvalde_dirs viewer)
set(tessmaran_dirs setup)
set(core_dirs core i18n/language.cpp)
# Core texts are written Translate("Context", "text") and, where only named,
# VANTOR_TRANSLATE_NOOP("Context", "text").
set(aliases "translate+=Translate,QT_TRANSLATE_NOOP+=VANTOR_TRANSLATE_NOOP")

set(failed "")
foreach(name korvalde tessmaran core)
    set(ts ${SOURCE_DIR}/i18n/${name}_en.ts)
    if(MODE STREQUAL "check")
        file(COPY ${ts} DESTINATION ${WORK_DIR})
        set(ts ${WORK_DIR}/${name}_en.ts)
    endif()
    set(dirs)
    foreach(dir ${${name}_dirs})
        list(APPEND dirs ${SOURCE_DIR}/${dir})
    endforeach()
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete
                            -source-language ja -target-language en
                            -tr-function-alias ${aliases} -extensions cpp,h ${dirs} -ts ${ts}
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed for ${name}")
    endif()
    if(MODE STREQUAL "check")
        file(READ ${ts} text)
        file(READ ${SOURCE_DIR}/i18n/${name}_en.ts original)
        string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"unfinished\">"
               unfinished "${text}")
        if(unfinished OR NOT text STREQUAL original)
            string(REPLACE "<translation type=\"unfinished\">" "" unfinished "${unfinished}")
            list(APPEND failed "${name}_en.ts: ${unfinished}")
        endif()
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "The .ts files are not up to date with the code (run "
                        "cmake --build build --target update_translations, then translate every unfinished "
                        "entry):\n${failed}")
endif()
