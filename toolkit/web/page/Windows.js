// The windows of the forms beside the main one, inside the page: laid out in the room
// beside the main form where there is enough, else in the screen's (WindowPlace.js says
// where they stand), each raised by a touch, dragged by its bar and closed by its cross or,
// the topmost one, by Esc.
(function (Z) {
  "use strict";

  // The first window's z-index: the page's style gives .zwindow this one.
  var FIRST_Z = 10;
  // Between the main form and a window beside it, and between the window and the screen's edge.
  var GAP = 12;
  // A window over the main form keeps this far from the screen's right edge.
  var EDGE = 10;
  // A window with a picture goes beside the main form where this much room is left, and
  // half its column's width, even when its designed width is more: it is laid out in the
  // room there is. The chain window, its column 708 wide, goes over the chart instead.
  var PICTURE_ROOM = 320;

  var topZ = FIRST_Z;

  // The width a window's form is laid out in: its designed one where that fits beside the
  // main form (a window with a picture, the room there from PICTURE_ROOM and half its
  // column on), else the screen's, and never more than designed.
  function placeWindow(f) {
    var vw = document.documentElement.clientWidth, main = Z.mainForm();
    var beside = vw - (main ? main.root.offsetWidth : 0) - 2 * GAP;
    var pictureBeside = f.images.length > 0 && beside >= Math.max(PICTURE_ROOM, f.desc.column / 2);
    if (main && !main.stacked && (beside >= f.desc.width || pictureBeside))
      f.room = Math.min(beside, f.desc.width);
    else f.room = Math.min(vw - EDGE, f.desc.width);
  }

  function raiseWindow(f) {
    f.panel.style.zIndex = ++topZ;
    var first = Z.firstStop(f);
    if (first) first.focus({ preventScroll: true });
  }

  // The window gone with the hint shown in it; the focus to the window now on top, or
  // else back where it was when this one opened, as a desktop's owner window takes it back.
  function closeWindow(f) {
    Z.hideHintWithin(f.panel);
    f.panel.remove();
    delete Z.forms[f.desc.id];
    Z.call("web_closed", ["number"], [f.desc.id]);
    Z.relayoutAll();
    var next = topWindow();
    if (next) raiseWindow(next);
    else if (f.opener && document.contains(f.opener)) f.opener.focus({ preventScroll: true });
  }

  // The window drawn over the others; null when none is open.
  function topWindow() {
    var top = null;
    for (var id in Z.forms) {
      var f = Z.forms[id];
      if (f.panel && (!top || Number(f.panel.style.zIndex) > Number(top.panel.style.zIndex)))
        top = f;
    }
    return top;
  }

  // Esc not taken by anything nearer (the picture's cross, its menu, a dialog's own Esc).
  document.addEventListener("keydown", function (ev) {
    if (ev.key !== "Escape" || ev.defaultPrevented || Z.dialogOpen()) return;
    var f = topWindow();
    if (!f) return;
    ev.preventDefault();
    closeWindow(f);
  });

  function titleBar(f, panel) {
    var bar = Z.el("div", "zbar");
    f.title = Z.el("span", "zbartitle");
    f.title.textContent = f.desc.caption;
    var close = Z.el("button", "zclose");
    close.type = "button";
    close.title = "Закрыть";
    close.textContent = "✕";
    close.addEventListener("click", function () { closeWindow(f); });
    bar.appendChild(f.title);
    bar.appendChild(close);
    return bar;
  }

  function openWindow(f) {
    f.opener = document.activeElement;
    var panel = Z.el("section", "zwindow");
    panel.setAttribute("role", "dialog");
    panel.setAttribute("aria-label", f.desc.caption);
    var bar = titleBar(f, panel);
    panel.appendChild(bar);
    var body = Z.el("div", "zwindowbody");
    body.appendChild(f.root);
    panel.appendChild(body);
    f.panel = panel;
    // Until it stands where it opens, the window is fixed, out of the page's length: where
    // it was appended, below the main form, it would lengthen the page, and a scroll bar
    // that takes room (Firefox's on a desktop, 12 px) would leave too little beside the
    // chart, so that the window opened the screen's width over it.
    panel.style.position = "fixed";
    document.getElementById("zwindows").appendChild(panel);
    dragBy(bar, panel);
    placeWindow(f);
    Z.layout(f);
    Z.openAt(f, Z.mainForm());
    panel.style.position = "";
    raiseWindow(f);
  }

  function dragBy(bar, panel) {
    var from = null;
    bar.addEventListener("pointerdown", function (ev) {
      if (ev.target.tagName === "BUTTON") return;
      from = { x: ev.clientX - panel.offsetLeft, y: ev.clientY - panel.offsetTop };
      bar.setPointerCapture(ev.pointerId);
      panel.style.zIndex = ++topZ;
    });
    bar.addEventListener("pointermove", function (ev) {
      if (!from) return;
      Z.dragTo(panel, ev.clientX - from.x, ev.clientY - from.y);
    });
    bar.addEventListener("pointerup", function () { from = null; });
  }

  Z.placeWindow = placeWindow;
  Z.raiseWindow = raiseWindow;
  Z.openWindow = openWindow;
})(ZPage);
