// The keyboard's reading cross on a focused picture: the program keeps it and answers each
// key (toolkit/ReadingCross.h); the page draws the pieces it describes over the canvas and
// reads the pixel under it.
(function (Z) {
  "use strict";

  // What web_cross is told: a key, or the focus coming or going.
  var CROSS_KEYS = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Enter: 4, Escape: 5 };
  var CROSS_FOCUS_IN = 6, CROSS_FOCUS_OUT = 7;

  // `keepReading`: the readout stays where it is (a tap's focus: the finger read its point).
  function crossDo(f, i, what, shift, keepReading) {
    var b = f.boxes[i];
    var cross = JSON.parse(Z.callText("web_cross",
      ["number", "number", "number", "number", "number", "number"],
      [f.desc.id, i, what, shift ? 1 : 0, b[2], b[3]]));
    // A pick may have closed the form.
    if (!cross || !Z.forms[f.desc.id]) return null;
    f.crossAt = cross.shown ? cross.at : null;
    drawCross(f, i, cross.pieces);
    if (keepReading) return cross;
    if (cross.answer === "hidden") Z.showReadout("");
    else if (cross.answer === "moved" || cross.answer === "shown") readAtCross(f, i);
    return cross;
  }

  // The pieces, each [left, top, width, height, colour] over the picture, in order.
  function drawCross(f, i, pieces) {
    if (!f.cross) {
      f.cross = Z.el("div", "zcross");
      f.root.appendChild(f.cross);
    }
    var b = f.boxes[i];
    f.cross.style.display = pieces.length ? "block" : "none";
    f.cross.style.left = b[0] + "px";
    f.cross.style.top = b[1] + "px";
    while (f.cross.children.length < pieces.length) f.cross.appendChild(Z.el("div"));
    pieces.forEach(function (p, k) {
      var s = f.cross.children[k].style;
      s.left = p[0] + "px"; s.top = p[1] + "px"; s.width = p[2] + "px"; s.height = p[3] + "px";
      s.background = p[4];
    });
  }

  // The readout beside the middle of the pixel under the cross.
  function readAtCross(f, i) {
    var box = Z.shownBox(f, i, f.crossAt), r = f.els[i].getBoundingClientRect();
    Z.read(f, i, f.crossAt, r.left + box[0] + box[2] / 2, r.top + box[1] + box[3] / 2);
  }

  function bindCross(f, i, canvas) {
    canvas.addEventListener("focus", function () {
      crossDo(f, i, CROSS_FOCUS_IN, false, Z.touchedLately(f));
    });
    canvas.addEventListener("blur", function () { crossDo(f, i, CROSS_FOCUS_OUT, false); });
    canvas.addEventListener("keydown", function (ev) {
      var key = CROSS_KEYS[ev.key];
      if (key === undefined) return;
      var cross = crossDo(f, i, key, ev.shiftKey);
      if (!cross || cross.answer === "ignored") return;
      ev.preventDefault();
      if (cross.answer === "moved") ev.stopPropagation();
    });
  }

  Z.readAtCross = readAtCross;
  Z.bindCross = bindCross;
})(ZPage);
