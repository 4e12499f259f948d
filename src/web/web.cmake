# The browser build (emcmake cmake; scripts/web.sh): the program's own sources
# over the web folder's GL and GLUT, compiled to WebAssembly and assembled with
# the page's HTML, style and scripts into one self-contained lorentz-demo.html.
set(webDir ${CMAKE_CURRENT_SOURCE_DIR}/src/web)

add_library(lorentz STATIC ${lorentzSources}
  src/web/fixedFunction.cpp
  src/web/diagram.cpp
  src/web/glut.cpp
  src/web/palette.cpp
  src/web/panel.cpp
  src/web/scenes.cpp
  src/web/solids.cpp
  src/web/trip.cpp
)
target_include_directories(lorentz BEFORE PUBLIC src/web/include)
target_include_directories(lorentz PUBLIC src)
target_compile_options(lorentz PRIVATE -Wall -Wextra -Wpedantic)

add_executable(lorentz-demo src/app/main.cpp)
target_compile_options(lorentz-demo PRIVATE -Wall -Wextra -Wpedantic)
target_link_libraries(lorentz-demo PRIVATE lorentz)
set_target_properties(lorentz-demo PROPERTIES SUFFIX .js)
set(webExports _main _webMouse _webMotion _webKeyboard _webSpecial _webResize _webRedraw _webPostRedisplay
  _webSetPixelRatio _webSetPalette
  _webReadoutCount _webReadoutName _webReadouts _webSetVelocity _webSetRapidity _webLinkVelocity
  _webDemoTitle _webPaletteEntryCount _webPaletteEntryKey _webPaletteEntryName _webPaletteEntryShown
  _webSetTurnaround _webSetOverlays _webAddEventOwn _webAddEventDiagram _webPlaceEventAt _webRemoveEvent
  _webClearEvents _webEventCount _webEventReadouts _webSetPair _webSetTau _webSetSignalInterval _webSetRide
  _webHideTrip _webAddBoost _webShowScenes _webSetProbeRay _webSetOrbitSpeed _webSetPolygonSides
  _webSetOrbitShare _webResetScenes _webSetLookTime _webSeenFaces)
list(JOIN webExports "," webExports)
target_link_options(lorentz-demo PRIVATE
  -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=createLorentzDemo -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=${webExports} -sEXPORTED_RUNTIME_METHODS=UTF8ToString,HEAPF32
  -sINCOMING_MODULE_JS_API=print,printErr,canvas,onFrame
  --js-library ${webDir}/webgl.js)
set_property(TARGET lorentz-demo APPEND PROPERTY LINK_DEPENDS ${webDir}/webgl.js)

set(pageParts ${webDir}/page.html ${webDir}/page.css ${webDir}/link.js ${webDir}/input.js
  ${webDir}/announce.js ${webDir}/panel.js ${webDir}/legend.js ${webDir}/events.js ${webDir}/player.js ${webDir}/twins.js
  ${webDir}/scenes.js ${webDir}/lessonText.js ${webDir}/lessons.js ${webDir}/lessonHelp.js ${webDir}/present.js ${webDir}/page.js)
file(GLOB builtInLessons CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/lessons/*.txt)
add_custom_command(OUTPUT lorentz-demo.html
  COMMAND node ${webDir}/assemble.mjs $<TARGET_FILE:lorentz-demo> lorentz-demo.html
  DEPENDS lorentz-demo ${webDir}/assemble.mjs ${pageParts} ${builtInLessons} VERBATIM)
add_custom_target(web-page ALL DEPENDS lorentz-demo.html)
