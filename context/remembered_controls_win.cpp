#include "context/remembered_controls_win.h"

#include "context/tab_context_win.h"

void SaveControls(TabContext& ctx, std::string_view section, std::span<const RememberedControl> controls) {
    SettingsFile& settings = ctx.Settings();
    for (const RememberedControl& c : controls) {
        switch (c.kind) {
        case RememberedControl::Check: settings.SetInt(section, c.key, ctx.IsChecked(c.id) ? 1 : 0); break;
        case RememberedControl::Choice:
            settings.SetString(section, c.key, ctx.IsChecked(c.id) ? c.onValue : c.offValue);
            break;
        case RememberedControl::Color: settings.SetColor(section, c.key, ctx.BoxColor(c.id)); break;
        case RememberedControl::Text: settings.SetString(section, c.key, ctx.ControlText(c.id)); break;
        }
    }
}

void RestoreControls(TabContext& ctx, std::string_view section, std::span<const RememberedControl> controls) {
    const SettingsFile& settings = ctx.Settings();
    for (const RememberedControl& c : controls) {
        switch (c.kind) {
        case RememberedControl::Check:
            if (const auto on = settings.GetInt(section, c.key, 0, 1)) ctx.SetChecked(c.id, *on == 1);
            break;
        case RememberedControl::Choice:
            if (const auto value = settings.GetString(section, c.key); value == c.onValue || value == c.offValue) {
                ctx.SetChecked(c.id, value == c.onValue);
                ctx.SetChecked(c.otherId, value != c.onValue);
            }
            break;
        case RememberedControl::Color:
            if (const auto color = settings.GetColor(section, c.key)) ctx.SetBoxColor(c.id, *color);
            break;
        case RememberedControl::Text:
            if (const auto text = settings.GetString(section, c.key)) ctx.SetControlText(c.id, *text);
            break;
        }
    }
}
