# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the floor of any Qt Widgets program on this machine.
add_executable(zlp-startup-probe startup_probe.cpp)
target_link_libraries(zlp-startup-probe PRIVATE zlp_gui)
add_executable(zlp-floor-probe floor_probe.cpp)
target_link_libraries(zlp-floor-probe PRIVATE Qt6::Widgets)
add_executable(startup-compare startup_compare.cpp)
