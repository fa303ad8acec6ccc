// How phones' keyboards type the guided path's words, replayed with the field's own editing
// commands (document.execCommand), which raise the trusted `input` events a keyboard raises.
// Used by phone.js (Chromium's phone emulation) and webkit.js (WebKitGTK, the iPhone's engine).
'use strict';

const kWords = ['카르벤', '무라셴', '그래'];

// The guided path's words as the iPhone's 2-set keyboard types them, with no composition: each
// letter types a jamo, or deletes the syllable being built and types what it became (a final
// consonant moving on to the next syllable: 칼 gives way to 카르).
const kTwoSetSteps = {
  카르벤: ['ㅋ', '카', '칼', '카르', '릅', '르베', '벤'],
  무라셴: ['ㅁ', '무', '물', '무라', '랏', '라셰', '셴'],
  그래: ['ㄱ', '그', '글', '그래'],
};

// Each keyboard's way with a word, as edits of the field: [characters deleted before the caret,
// whether as one range (a selection, then delete) or one by one, the text then inserted, and
// where the caret was put first, if it was].
const kPhoneKeyboards = {
  'the iPhone\'s 2-set keyboard': word => kTwoSetSteps[word].map((text, i) => [i ? 1 : 0, false, text]),
  // The 10-key keyboard deletes the finished syllable with the one being built, as a range.
  'a 10-key keyboard\'s range deletes': function(word) {
    let typed = '';
    return kTwoSetSteps[word].map(function(text, i) {
      const range = i ? Math.min(2, typed.length) : 0;
      const inserted = typed.slice(typed.length - range, typed.length - (i ? 1 : 0)) + text;
      typed = typed.slice(0, typed.length - range) + inserted;
      return [range, true, inserted];
    });
  },
  // Half the word typed, then a prediction puts the whole word in place of what was typed.
  'a prediction replacing a half-typed word': function(word) {
    const steps = kTwoSetSteps[word];
    const half = steps.slice(0, Math.ceil(steps.length / 2)).map((text, i) => [i ? 1 : 0, false, text]);
    return [...half, [half[half.length - 1][2].length, true, word]];
  },
  'a pasted word': word => [[0, false, word]],
  // The word typed without its second syllable, then the caret put back after the first.
  'a syllable typed where the caret was moved to': word => [[0, false, word[0] + word.slice(2)],
                                                            [0, false, word[1], 1]],
};

// One edit, run in the page (any browser) on the focused field.
function editField(deleted, asRange, text, caret) {
  const field = document.activeElement;
  if (caret != null) field.setSelectionRange(caret, caret);
  if (asRange && deleted) {
    field.setSelectionRange(field.selectionEnd - deleted, field.selectionEnd);
    document.execCommand('delete');
  } else {
    for (let i = 0; i < deleted; ++i) document.execCommand('delete');
  }
  if (text) document.execCommand('insertText', false, text);
}

module.exports = {kWords, kPhoneKeyboards, editField};
