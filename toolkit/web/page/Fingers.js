// The controls under the stacked picture laid out for fingers: text a phone does not zoom
// into (16 px), every field, button, radio button, check box and link at least 44 × 44,
// and the column stretched across the screen. Controls that stood side by side as designed
// stay on one row (Zн's two fields with «+j» between them), each at its designed place
// scaled to the width; the rows follow one another with the designed blank space closed
// up, a short gap within a group of rows and a longer one between groups. A caption wider
// than its room wraps, and a hidden control takes no row.
//
// Example: zmatch's column, designed 177 pixels wide from x = 8, on a 390-pixel phone is
// 374 wide: «Zн=» stays at 8, its first field runs from 63 to 193 and the second from 238.
(function (Z) {
  "use strict";

  var MARGIN = 8;
  var TARGET = 44;       // the least side of a box a finger hits (CSS pixels)
  var LINE = 22;         // one line of 16-pixel text
  var GAP = 4;           // between rows that stood close as designed
  var SECTION = 14;      // between rows the design set apart
  var APART = 12;        // designed space between rows above which they are apart
  var LEGEND = 26;       // a group box's caption above its first row
  var DESIGN_FONT = 11;  // the designed text's size, whose advances the captions' blanks keep
  var TOUCH_FONT = 16;

  function isTarget(c) {
    return c.kind !== "label" || c.link;
  }

  function lines(c) {
    return (c.text || "").split("\n").length;
  }

  // The items (index, designed box) in rows: a box that starts above the bottom of the row
  // so far belongs to it.
  function rowsOf(items) {
    items.sort(function (a, b) { return a.b[1] - b.b[1]; });
    var rows = [];
    items.forEach(function (it) {
      var row = rows[rows.length - 1];
      if (row && it.b[1] < row.bottom - 2) {
        row.items.push(it);
        row.bottom = Math.max(row.bottom, it.b[1] + it.b[3]);
      } else {
        rows.push({ top: it.b[1], bottom: it.b[1] + it.b[3], items: [it] });
      }
    });
    return rows;
  }

  // The rows of `items` placed from `top` on, x scaled by `sx` from `left`, within `width`;
  // returns the bottom of the last row. Groups lay their own rows out inside them.
  function placeRows(f, items, left, sx, top, width, out) {
    var y = top, last = null;
    rowsOf(items).forEach(function (row) {
      if (last) y += row.top - last.bottom > APART ? SECTION : GAP;
      row.items.sort(function (p, q) { return p.b[0] - q.b[0]; });
      // What would start too near the right edge to be used (a count after the buttons
      // that fill the width) goes on a line of its own under the row, from the left.
      row.items.forEach(function (it, k) {
        var x = MARGIN + Math.max(0, Math.round((it.b[0] - left) * sx));
        it.wrapped = k > 0 && x > width - MARGIN - TARGET;
        if (it.wrapped) x = MARGIN;
        var w = Math.max(TARGET, Math.round(it.b[2] * sx));
        out[it.i] = [x, 0, Math.min(w, width - MARGIN - x), 0];
      });
      var height = 0;
      row.items.forEach(function (it, k) {
        var c = f.desc.controls[it.i], b = it.b, o = out[it.i];
        if (c.kind === "group") {
          var inner = f.desc.controls.filter(function (g) { return g.parent === c.i && shown(f, g); })
            .map(function (g) {
              var gb = f.designed[g.i];
              return { i: g.i, b: [gb[0] - b[0], gb[1] - b[1], gb[2], gb[3]] };
            });
          o[3] = placeRows(f, inner, MARGIN, sx, LEGEND, o[2], out) + MARGIN;
        } else if (c.kind === "rowlist" || c.kind === "slider") {
          o[3] = Math.max(TARGET, b[3]);
        } else if (isTarget(c)) {
          o[3] = TARGET;
        } else {
          var next = row.items[k + 1];
          o[3] = fitLabel(f.els[it.i], (next ? out[next.i][0] - 4 : width - MARGIN) - o[0]);
        }
        if (!it.wrapped) height = Math.max(height, o[3]);
      });
      var under = 0;
      row.items.forEach(function (it) {
        var o = out[it.i];
        if (it.wrapped) {
          o[1] = y + height + GAP;
          under = Math.max(under, GAP + o[3]);
        } else {
          o[1] = y + Math.round((height - o[3]) / 2);
        }
      });
      height += under;
      row.items.forEach(function (it) {
        var c = f.desc.controls[it.i];
        if (c.kind === "label" && !c.link) spaceCaption(f, it, row, out);
      });
      y += height;
      last = row;
    });
    return y;
  }

  function shown(f, c) {
    return f.els[c.i].style.display !== "none";
  }

  // A plain caption wider than the room before the next control in its row wraps within
  // that room («Первый шлейф от нагрузки, λ» beside its field in a narrow window); its
  // height. A caption the fields are laid over keeps its line.
  function fitLabel(e, room) {
    e.style.width = "";
    e.style.whiteSpace = "";
    if (!/\S\s{2,}\S/.test(e.textContent) && e.offsetWidth > room) {
      e.style.width = room + "px";
      e.style.whiteSpace = "pre-wrap";
    }
    return Math.max(LINE, e.offsetHeight);
  }

  // A caption whose blanks leave room for the fields laid over it («Zн=      +j»): its last
  // word set in the middle of the gap it stood in as designed, between the control its
  // blanks ran under and the next one, by the width of its blanks.
  var measure = document.createElement("canvas").getContext("2d");
  function spaceCaption(f, label, row, out) {
    var e = f.els[label.i], text = e.textContent, m = /\s{2,}(?=\S+\s*$)/.exec(text);
    e.style.wordSpacing = "";
    if (!m) return;
    var family = getComputedStyle(e).fontFamily, upto = text.slice(0, m.index + m[0].length);
    var width = function (size, t) {
      measure.font = size + "px " + family;
      return measure.measureText(t).width;
    };
    var start = label.b[0] + width(DESIGN_FONT, upto);
    var before = null, after = null;
    row.items.forEach(function (it) {
      if (it === label || !isTarget(f.desc.controls[it.i])) return;
      var right = it.b[0] + it.b[2];
      if (right <= start + 2 && (!before || right > before.b[0] + before.b[2])) before = it;
      if (it.b[0] >= start - 2 && (!after || it.b[0] < after.b[0])) after = it;
    });
    if (!before || !after) return;
    var gapLeft = out[before.i][0] + out[before.i][2], gapRight = out[after.i][0];
    var word = width(TOUCH_FONT, text.slice(upto.length));
    var want = gapLeft + (gapRight - gapLeft - word) / 2 - out[label.i][0];
    var blanks = (upto.match(/ /g) || []).length;
    var shift = want - width(TOUCH_FONT, upto);
    if (shift > 0) e.style.wordSpacing = (shift / blanks).toFixed(2) + "px";
  }

  // Lays the stacked form's controls (boxes as the program stacked them) out anew below its
  // picture; `width` is the room there is.
  function layoutForFingers(f, width) {
    f.designed = f.boxes.map(function (b) { return b.slice(); });
    f.fingersWidth = width;
    place(f);
  }

  // Again for the controls shown now and their captions (after a handler).
  function refit(f) {
    if (f.designed) place(f);
  }

  function place(f) {
    var width = f.fingersWidth, picture = f.images.length ? f.images[0] : -1;
    var items = [];
    f.desc.controls.forEach(function (c) {
      if (c.parent < 0 && c.i !== picture && shown(f, c)) items.push({ i: c.i, b: f.designed[c.i] });
    });
    if (!items.length) return;
    // The column's width is its controls'; a caption may run past them, a link is cut.
    var boxes = items.filter(function (it) { return f.desc.controls[it.i].kind !== "label"; });
    if (!boxes.length) boxes = items;
    var left = Math.min.apply(null, boxes.map(function (it) { return it.b[0]; }));
    var right = Math.max.apply(null, boxes.map(function (it) { return it.b[0] + it.b[2]; }));
    var sx = (width - 2 * MARGIN) / Math.max(1, right - left);
    var top = picture >= 0 ? f.designed[picture][1] + f.designed[picture][3] + MARGIN : MARGIN;
    var out = [];
    var bottom = placeRows(f, items, left, sx, top, width, out);
    f.desc.controls.forEach(function (c) {
      var b = out[c.i], e = f.els[c.i];
      if (!b) return;
      var abs = b.slice();
      if (c.parent >= 0) {
        abs[0] += out[c.parent][0];
        abs[1] += out[c.parent][1];
      }
      e.style.left = abs[0] + "px";
      e.style.top = abs[1] + "px";
      if (c.kind !== "label" || c.link) {
        e.style.width = abs[2] + "px";
        e.style.height = abs[3] + "px";
      }
      f.boxes[c.i] = abs;
    });
    f.root.style.width = width + "px";
    f.root.style.height = bottom + MARGIN + "px";
  }

  Z.layoutForFingers = layoutForFingers;
  Z.refitForFingers = refit;
})(ZPage);
