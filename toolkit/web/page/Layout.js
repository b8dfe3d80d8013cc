// Where a form's elements stand: the boxes the program lays out for the room there is
// (designed, or stacked on a narrow screen), captions closed up to fit them, and the
// pictures asked for again at their new size; again whenever the window is resized.
(function (Z) {
  "use strict";

  // A resize settles before the forms are laid out again: a dragged edge sends many.
  var RESIZE_SETTLE_MS = 60;
  // A caption this many CSS pixels over its box is the browser's rounding, and stays.
  var CAPTION_ROUNDING = 1;
  // A window's bar and margins: its body is the screen's height less this at most (the
  // page's style, .zwindowbody).
  var WINDOW_CHROME = 40;

  function roomFor(f) {
    if (f.desc.main) return document.documentElement.clientWidth;
    return f.room || f.desc.width;
  }

  // The screen's height in CSS pixels with a phone's address bar shown (100svh), which its
  // coming and going as the page scrolls does not change: a stacked chart fits it, and does
  // not jump as the user scrolls down to the fields.
  var screenProbe = null;
  function screenHeight() {
    if (!screenProbe) {
      screenProbe = document.createElement("div");
      screenProbe.className = "zscreen";
      screenProbe.setAttribute("aria-hidden", "true");
      document.body.appendChild(screenProbe);
    }
    return screenProbe.offsetHeight || window.innerHeight;
  }

  // Whether the main window stands stacked (a phone's, a tablet's): a screen a finger works.
  function mainStacked() {
    var main = Z.mainForm();
    return main ? !!main.stacked : true;
  }

  // Laid out for fingers: a stacked main window, and every window over it, stacked whether
  // it fits or not (the steps window on a phone held sideways, the band window on a
  // tablet); a window stacked beside a desktop's chart keeps its designed sizes.
  function forFingers(f, stacked) {
    return stacked && (f.desc.main || mainStacked());
  }

  function layout(f) {
    var width = roomFor(f), stack = !f.desc.main && mainStacked();
    var height = screenHeight() - (f.desc.main ? 0 : WINDOW_CHROME);
    var l = JSON.parse(Z.callText("web_layout", ["number", "number", "number", "number"],
                                  [f.desc.id, width, height, stack ? 1 : 0]));
    f.stacked = l.stacked;
    f.root.style.width = l.width + "px";
    f.root.style.height = l.height + "px";
    f.root.classList.toggle("zstacked", l.stacked);
    f.boxes = l.boxes;
    f.desc.controls.forEach(function (c) {
      var e = f.els[c.i], b = l.boxes[c.i].slice();
      if (c.parent >= 0) {
        b[0] += l.boxes[c.parent][0];
        b[1] += l.boxes[c.parent][1];
      }
      e.style.left = b[0] + "px";
      e.style.top = b[1] + "px";
      if (c.kind !== "label" || c.link) e.style.width = b[2] + "px";
      if (c.kind !== "label") e.style.height = b[3] + "px";
      f.boxes[c.i] = b;
    });
    var fingers = forFingers(f, l.stacked);
    f.root.classList.toggle("zfingers", fingers);
    // A caption keeps no wrapping, nor a link the height, of a layout for fingers before.
    f.desc.controls.forEach(function (c) {
      var e = f.els[c.i];
      if (c.kind !== "label") return;
      e.style.whiteSpace = e.style.height = "";
      if (!c.link) e.style.width = "";
    });
    f.designed = null;
    // A window's rows for fingers leave its body room for a scroll bar, which a phone's
    // overlay bars make 0 and a desktop's narrow window about 15 px.
    if (f.panel) f.panel.lastChild.classList.toggle("zgutter", fingers);
    if (fingers) Z.layoutForFingers(f, width - Z.gutterOf(f));
    else f.desc.controls.forEach(function (c) {
      if (c.kind === "label" && !c.link) fitCaption(f, c);
    });
    if (f.panel) {
      f.laid = l;
      Z.fitWindow(f, width, l, fingers);
    }
    f.images.forEach(function (i) { reshow(f, i); });
  }

  // A designed caption that our face sets wider than its box closes up its blanks to fit
  // where the program says it would run under the control beside it («Zн=        +j»):
  // the window was laid out on whole-pixel advances, which the browser's text does not
  // round to.
  function fitCaption(f, c) {
    var e = f.els[c.i], b = f.boxes[c.i];
    e.style.wordSpacing = "";
    var blanks = (e.textContent.match(/ /g) || []).length;
    var excess = e.offsetWidth - b[2];
    if (!blanks || excess <= CAPTION_ROUNDING) return;
    var under = Z.call("web_caption_runs_under", ["number", "number", "number", "number"],
                       [f.desc.id, c.i, e.offsetWidth, roomFor(f)]);
    if (under) e.style.wordSpacing = (-excess / blanks).toFixed(2) + "px";
  }

  // Device pixels to the CSS pixel, a pinch's zoom included (never below one).
  function ratio() {
    var zoom = window.visualViewport ? window.visualViewport.scale : 1;
    return (window.devicePixelRatio || 1) * Math.max(1, zoom);
  }

  function reshow(f, i) {
    var b = f.boxes[i];
    Z.call("web_reshown", ["number", "number", "number", "number", "number"],
           [f.desc.id, i, b[2], b[3], ratio()]);
  }

  function relayoutAll() {
    Object.keys(Z.forms).forEach(function (id) {
      var f = Z.forms[id];
      if (!f.desc.main) Z.placeWindow(f);
      layout(f);
      if (!f.desc.main) Z.keepInView(f);
    });
  }

  var resizeTimer = null;
  window.addEventListener("resize", function () {
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(relayoutAll, RESIZE_SETTLE_MS);
  });
  // A pinch changes no layout, only how many device pixels the pictures want.
  if (window.visualViewport) {
    var lastRatio = 0;
    window.visualViewport.addEventListener("resize", function () {
      if (ratio() === lastRatio) return;
      lastRatio = ratio();
      Object.keys(Z.forms).forEach(function (id) {
        Z.forms[id].images.forEach(function (i) { reshow(Z.forms[id], i); });
      });
    });
  }

  Z.layout = layout;
  Z.ratio = ratio;
  Z.relayoutAll = relayoutAll;
})(ZPage);
