#include "platform/web/WebTextField.h"

#include <emscripten/emscripten.h>

#include "platform/system/CodePage.h"

// clang-format off

// The page's side. Module.gameLine is the game's line as it last told it (its text, without a
// syllable being composed, and its caret, in UTF-16 units as the field counts, and whether a talk
// is open).
EM_JS(void, WebStartTextField, (), {
  const field = document.getElementById('ime');
  const send = function(name, text) { Module.ccall(name, null, ['string'], [text]); };
  const key = function(name) { send('WebCanvasTypedKey', name); };
  Module.gameLine = {text: "", caret: 0, talking: false, version: 0};
  let composing = false, sending = false;

  // The field shows the game's line and caret; outside a talk it is empty.
  const follow = function() {
    if (composing || sending) return;
    const line = Module.gameLine;
    const text = line.talking ? line.text : "";
    if (field.value !== text) field.value = text;
    if (line.talking && document.activeElement === field &&
        (field.selectionStart !== line.caret || field.selectionEnd !== line.caret)) {
      field.setSelectionRange(line.caret, line.caret);
    }
  };
  Module.followLine = follow;

  // Moves the game's caret by its own keys, which during a talk only edit the line.
  const moveCaret = function(to) {
    while (Module.gameLine.caret < to && Module.gameLine.caret < Module.gameLine.text.length) {
      const before = Module.gameLine.caret;
      key('Right');
      if (Module.gameLine.caret === before) break;
    }
    while (Module.gameLine.caret > to) {
      const before = Module.gameLine.caret;
      key('Left');
      if (Module.gameLine.caret === before) break;
    }
  };

  // What changed between the game's line and the field: the text after the field's caret that
  // both still end with, the text both begin with, and between them what went and what came.
  // The field's caret after the edit stands after what came, which places a change in a line of
  // repeated letters.
  const sendDifference = function() {
    const before = Module.gameLine.text, after = field.value;
    if (before !== after) {
      let tail = 0;
      const tailRoom = Math.min(before.length, after.length - field.selectionEnd);
      while (tail < tailRoom && before[before.length - 1 - tail] === after[after.length - 1 - tail]) ++tail;
      let head = 0;
      const headRoom = Math.min(before.length, after.length) - tail;
      while (head < headRoom && before[head] === after[head]) ++head;
      const went = before.length - tail - head, came = after.slice(head, after.length - tail);
      sending = true;
      try {
        moveCaret(head + went);
        for (let i = 0; i < went; ++i) key('Backspace');
        if (came) send('WebCanvasCommit', came);
      } finally {
        sending = false;
      }
    }
    // The caret follows where the field put it, when it is a caret and not a selection.
    if (field.selectionStart === field.selectionEnd) {
      sending = true;
      try {
        moveCaret(field.selectionStart);
      } finally {
        sending = false;
      }
    }
    follow();
  };

  // A composition ends in the line as the field holds it, which also takes care of one that a
  // keyboard reopened over a finished word (Gboard after a Backspace into it); but where the game
  // changed the line meanwhile (a key that committed the syllable ahead and sent the line), the
  // composition's text goes as it is, and the game drops what it already has.
  let versionAtStart = -1;
  field.addEventListener('compositionstart', function() {
    composing = true;
    versionAtStart = Module.gameLine.version;
  });
  field.addEventListener('compositionupdate', function(event) {
    send('WebCanvasEditing', event.data || "");
  });
  field.addEventListener('compositionend', function(event) {
    composing = false;
    send('WebCanvasEditing', "");
    if (Module.gameLine.talking && Module.gameLine.version === versionAtStart) {
      sendDifference();
    } else {
      if (event.data) send('WebCanvasCommit', event.data);
      follow();
    }
  });
  // A phone's keyboard sends Enter only as what it does to the text (its key events carry key
  // code 229, which the game leaves to the input method).
  const enters = ['insertLineBreak', 'insertParagraph'];
  field.addEventListener('input', function(event) {
    if (event.isComposing || composing) return;
    if (enters.includes(event.inputType)) {
      key('Enter');
      follow();
    } else if (Module.gameLine.talking) {
      sendDifference();
    } else {
      // Walking: text typed without a composition gathers unseen in the game's line, and a
      // phone's delete is Backspace.
      if (event.inputType === 'deleteContentBackward') key('Backspace');
      else if (event.inputType === 'insertText' && event.data) send('WebCanvasCommit', event.data);
      field.value = "";
    }
  });
  // A caret moved in the field without a change of text (a tap in it, the space bar dragged).
  document.addEventListener('selectionchange', function() {
    if (document.activeElement !== field || composing || sending || !Module.gameLine.talking ||
        field.value !== Module.gameLine.text || field.selectionStart !== field.selectionEnd) return;
    sending = true;
    try {
      moveCaret(field.selectionStart);
    } finally {
      sending = false;
    }
  });
  // Some phones' keyboards send Enter and Backspace as keys of no place on a keyboard (an empty
  // code), which the game's key table does not know: they go by what they mean.
  field.addEventListener('keydown', function(event) {
    if (event.code || event.keyCode === 229 || !['Enter', 'Backspace'].includes(event.key)) return;
    event.preventDefault();
    key(event.key);
    follow();
  });
});

EM_JS(void, WebFollowLine, (const char* text, int caret, bool talking), {
  // The version counts the game's changes, so that a line changed and changed back is told apart.
  Module.gameLine = {text: UTF8ToString(text), caret: caret, talking: talking,
                     version: Module.gameLine.version + 1};
  if (Module.followLine) Module.followLine();
});

// clang-format on

namespace platform {

void WebTextField::Start() { WebStartTextField(); }

void WebTextField::Follow(const TextReceiver& line, bool talking) {
  // The committed text: the line without the syllable being composed at the caret.
  std::u16string text = line.WideText();
  text.erase(line.Caret(), line.Composition().size());
  if (told_ && text == text_ && line.Caret() == caret_ && talking == talking_) return;
  told_ = true;
  text_ = text;
  caret_ = line.Caret();
  talking_ = talking;
  WebFollowLine(WideToUtf8(text).c_str(), static_cast<int>(caret_), talking);
}

}  // namespace platform
