# The demo messenger: a stand-in chat program that the run command starts
# beside Vivarto and that the end-to-end tests deliver into.
set(TOOLS_EXECUTABLES
  demo_messenger=tools/demo_messenger_win.cpp)
set(TOOLS_TARGETS demo_messenger)
