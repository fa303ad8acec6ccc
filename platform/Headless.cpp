#include "platform/Headless.h"

namespace platform {

void RunHeadless(Form& form, const std::vector<ScriptEvent>& events) {
  // A window that has just been shown gets its first paint.
  form.Paint();
  form.PrepareFrame();
  for (const ScriptEvent& event : events) {
    if (form.CloseRequested()) break;
    switch (event.What) {
      case ScriptEvent::Kind::Key:
        form.Key(event.Stroke);
        break;
      case ScriptEvent::Kind::Text:
        form.Input().TextInput(event.Text, form.FocusedReceiver());
        break;
      case ScriptEvent::Kind::Compose:
        form.Input().TextEditing(event.Text, form.FocusedReceiver());
        break;
      case ScriptEvent::Kind::Tick:
        form.Tick();
        break;
      case ScriptEvent::Kind::Paint:
        form.Paint();
        break;
      case ScriptEvent::Kind::Close:
        form.CloseButton();
        break;
    }
    form.PrepareFrame();
  }
}

}  // namespace platform
