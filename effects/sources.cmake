# Colour effects: the tag markup reader, the RTF writer, the colour fader and
# the hex helpers (portable), and the rich text rendering and fade pipeline
# over a real rich edit box (Win32).
set(EFFECTS_CORE_SOURCES
  effects/hex_digits.cpp
  effects/fade_text.cpp
  effects/gradient.cpp
  effects/fade_presets.cpp
  effects/markup_reader.cpp
  effects/rtf_writer.cpp
  effects/random_colors.cpp
  effects/nick_rule.cpp
)
set(EFFECTS_WIN_SOURCES
  effects/markup_to_rich_win.cpp
  effects/fade_pipeline_win.cpp
)
set(EFFECTS_NATIVE_TESTS
  tests/native/fade_text_test.cpp
  tests/native/gradient_test.cpp
  tests/native/markup_reader_test.cpp
  tests/native/rtf_writer_test.cpp
  tests/native/nick_rule_test.cpp
)
set(EFFECTS_WIN_TESTS
  tests/win/markup_to_rich_test.cpp
)
