@echo off
rem Opens two rooms of the demo messenger, the stand-in for the real messenger,
rem so Vivarto has chat rooms to post into. See README.txt beside vivarto.exe.
start "" "%~dp0Demo-Messenger-stand-in.exe" "Lobby" "Poetry Corner"
