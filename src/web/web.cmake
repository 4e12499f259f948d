# The browser build (emcmake cmake; scripts/web.sh): the program's own sources
# and its side of the page (web/program) over GL and GLUT for WebGL
# (web/platform, which any GLUT program could use), compiled to WebAssembly and
# assembled with the page's HTML, style and modules (web/page) into one
# self-contained lorentz-demo.html, the WebAssembly and the code packed inside.
set(platformDir ${CMAKE_CURRENT_SOURCE_DIR}/src/web/platform)
set(pageDir ${CMAKE_CURRENT_SOURCE_DIR}/src/web/page)

add_library(lorentz STATIC ${lorentzSources}
  src/web/platform/fixedFunction.cpp
  src/web/platform/glut.cpp
  src/web/platform/lighting.cpp
  src/web/platform/matrices.cpp
  src/web/platform/primitives.cpp
  src/web/platform/solids.cpp
  src/web/program/diagram.cpp
  src/web/program/palette.cpp
  src/web/program/panel.cpp
  src/web/program/rocket.cpp
  src/web/program/scenes.cpp
  src/web/program/trip.cpp
)
# the camera's picture, three times as large unrolled at -O3 and as fast built for size
set_source_files_properties(src/scenes/camera.cpp PROPERTIES COMPILE_OPTIONS -Os)
target_include_directories(lorentz BEFORE PUBLIC src/web/platform/include)
target_include_directories(lorentz PUBLIC src)
target_compile_options(lorentz PRIVATE -Wall -Wextra -Wpedantic)

add_executable(lorentz-demo src/app/main.cpp)
target_compile_options(lorentz-demo PRIVATE -Wall -Wextra -Wpedantic)
target_link_libraries(lorentz-demo PRIVATE lorentz)
set_target_properties(lorentz-demo PROPERTIES SUFFIX .js)
set(webExports _main _webMouse _webMotion _webKeyboard _webSpecial _webResize _webRedraw _webPostRedisplay
  _webSetPixelRatio _webSetPalette
  _webReadoutCount _webReadoutName _webReadouts _webSetVelocity _webSetRapidity _webSetBoostParts _webHoldBoostsToLinks _webLinkVelocity
  _webDemoTitle _webPaletteEntryCount _webPaletteEntryKey _webPaletteEntryName _webPaletteEntryShown
  _webSetTurnaround _webSetOverlays _webSetLabels _webSetLabelWords _webAddEventOwn _webAddEventDiagram _webPlaceEventAt _webEventAt _webMoveEventTo _webEventLetter _webSetEventLetter _webRemoveEvent
  _webClearEvents _webEventCount _webEventReadouts _webSetPair _webSetTau _webSetSignalInterval _webSetRide
  _webHideTrip _webAddBoost _webShowScenes _webSetProbeRay _webSetOrbitSpeed _webSetPolygonSides
  _webSetOrbitShare _webResetScenes _webSetLookTime _webSeenFaces _webSetCamera
  _webSetAccelerated _webResetAccelerated)
list(JOIN webExports "," webExports)
target_link_options(lorentz-demo PRIVATE
  -sMODULARIZE=1 -sEXPORT_NAME=createLorentzDemo -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=${webExports} -sEXPORTED_RUNTIME_METHODS=UTF8ToString,HEAPF32
  -sINCOMING_MODULE_JS_API=print,printErr,canvas,onFrame,wasmBinary
  --js-library ${platformDir}/webgl.js)
set_property(TARGET lorentz-demo APPEND PROPERTY LINK_DEPENDS ${platformDir}/webgl.js)

set(pageParts ${pageDir}/unpack.js ${pageDir}/page.html ${pageDir}/help.html ${pageDir}/lessonHelp.html ${pageDir}/page.css ${pageDir}/page.js
  ${pageDir}/core/i18n.js ${pageDir}/core/link.js ${pageDir}/core/announce.js ${pageDir}/core/panel.js ${pageDir}/core/legend.js
  ${pageDir}/core/player.js ${pageDir}/core/history.js
  ${pageDir}/input/input.js ${pageDir}/input/keys.js
  ${pageDir}/diagrams/pair.js ${pageDir}/diagrams/events.js ${pageDir}/diagrams/twins.js ${pageDir}/diagrams/rocket.js
  ${pageDir}/scenes/scenes.js ${pageDir}/scenes/camera.js
  ${pageDir}/lessons/lessonText.js ${pageDir}/lessons/lessons.js ${pageDir}/lessons/lessonHelp.js
  ${pageDir}/classroom/picture.js ${pageDir}/classroom/fold.js ${pageDir}/classroom/present.js ${pageDir}/classroom/share.js)
file(GLOB_RECURSE builtInLessons CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/lessons/*.txt)
file(GLOB languageFiles CONFIGURE_DEPENDS ${pageDir}/i18n/*.json)
add_custom_command(OUTPUT lorentz-demo.html
  COMMAND node ${pageDir}/assemble.mjs $<TARGET_FILE:lorentz-demo> lorentz-demo.html
  DEPENDS lorentz-demo ${pageDir}/assemble.mjs ${pageParts} ${builtInLessons} ${languageFiles} VERBATIM)
add_custom_target(web-page ALL DEPENDS lorentz-demo.html)
