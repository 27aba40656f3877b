# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the floor of any Qt Widgets program on this machine.
add_executable(zlp-startup-probe startup_probe.cpp)
target_link_libraries(zlp-startup-probe PRIVATE zlp_gui)
add_executable(zlp-floor-probe floor_probe.cpp)
target_link_libraries(zlp-floor-probe PRIVATE Qt6::Widgets)
add_executable(startup-compare startup_compare.cpp)
# The time to the first mapped window is read from the X server itself.
find_library(ZLP_XCB_LIBRARY xcb)
find_path(ZLP_XCB_INCLUDE xcb/xcb.h)
if(ZLP_XCB_LIBRARY AND ZLP_XCB_INCLUDE)
  target_include_directories(startup-compare PRIVATE ${ZLP_XCB_INCLUDE})
  target_link_libraries(startup-compare PRIVATE ${ZLP_XCB_LIBRARY})
  target_compile_definitions(startup-compare PRIVATE ZLP_HAVE_XCB)
endif()
