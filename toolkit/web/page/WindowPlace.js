// Where a window stands on the screen: opened where it covers least of the chart and of the
// windows already open, and kept on the screen when dragged or when the screen is resized.
// Example: at 1920 × 1080 the first window opens right of the main form at (1028, 8), the
// next one beside it if there is room, else below it.
(function (Z) {
  "use strict";

  // Between the main form, the windows and the screen's edge.
  var GAP = 12;
  // A window's top below the page's top.
  var TOP = 8;
  // How much of a window dragged down stays on the screen: its bar.
  var BAR = 28;

  function view() {
    var d = document.documentElement;
    return { x: window.scrollX, y: window.scrollY, w: d.clientWidth, h: d.clientHeight };
  }

  // An element's box in the page's coordinates, which the windows are placed in.
  function pageBox(e) {
    var r = e.getBoundingClientRect();
    return { x: r.left + window.scrollX, y: r.top + window.scrollY, w: r.width, h: r.height };
  }

  function overlap(a, b) {
    var w = Math.min(a.x + a.w, b.x + b.w) - Math.max(a.x, b.x);
    var h = Math.min(a.y + a.h, b.y + b.h) - Math.max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
  }

  // (x, y) moved so that a w × h window lies wholly on the screen, or, when it is larger,
  // its top left corner does; `barOnly`: only its bar need stay on the screen below.
  function onScreen(x, y, w, h, barOnly) {
    var v = view();
    var low = barOnly ? BAR : Math.min(h, v.h);
    return {
      x: Math.max(v.x, Math.min(x, v.x + v.w - w)),
      y: Math.max(v.y, Math.min(y, v.y + v.h - low)),
    };
  }

  function moveTo(panel, p) {
    panel.style.left = p.x + "px";
    panel.style.top = p.y + "px";
  }

  // The chart and the other open windows: what a new window keeps off.
  function shunned(f, main) {
    var boxes = [];
    if (main && main.images.length) boxes.push(pageBox(main.els[main.images[0]]));
    Object.keys(Z.forms).forEach(function (id) {
      var o = Z.forms[id];
      if (o !== f && o.panel) boxes.push(pageBox(o.panel));
    });
    return boxes;
  }

  // Tried right of the main form and of each window, at the screen's right edge, at the
  // top and below each of them; the least covered wins, the higher and then the more
  // left of equals.
  function openAt(f, main) {
    var v = view(), w = f.panel.offsetWidth, h = f.panel.offsetHeight;
    var boxes = shunned(f, main);
    var mainRight = main ? pageBox(main.root).x + main.root.offsetWidth : v.x;
    var xs = [mainRight + GAP, v.x + v.w - w - GAP], ys = [v.y + TOP];
    boxes.forEach(function (b) {
      xs.push(b.x + b.w + GAP);
      ys.push(b.y + b.h + GAP);
    });
    var best = null;
    ys.forEach(function (y) {
      xs.forEach(function (x) {
        var p = onScreen(x, y, w, h, false);
        p.cost = boxes.reduce(function (s, b) {
          return s + overlap({ x: p.x, y: p.y, w: w, h: h }, b);
        }, 0);
        if (!best || p.cost < best.cost ||
            (p.cost === best.cost && (p.y < best.y || (p.y === best.y && p.x < best.x))))
          best = p;
      });
    });
    moveTo(f.panel, best);
  }

  // After the screen is resized: the window whole on it again where it fits.
  function keepInView(f) {
    var panel = f.panel;
    moveTo(panel, onScreen(panel.offsetLeft, panel.offsetTop, panel.offsetWidth,
                           panel.offsetHeight, false));
  }

  function dragTo(panel, x, y) {
    moveTo(panel, onScreen(x, y, panel.offsetWidth, panel.offsetHeight, true));
  }

  Z.openAt = openAt;
  Z.keepInView = keepInView;
  Z.dragTo = dragTo;
})(ZPage);
