# The sizes in which tools/render-icons.sh renders the icon (share/linux/icons),
# all installed for the desktop, and those the program carries for its windows.
set(VITRALIS_ICON_SIZES 16 24 32 48 64 128 256)
set(VITRALIS_WINDOW_ICON_SIZES 16 24 32 48 64)

# Run as a script (cmake -P cmake/icons.cmake), it prints the rendered sizes.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    string(REPLACE ";" " " sizes "${VITRALIS_ICON_SIZES}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${sizes}")
endif()
