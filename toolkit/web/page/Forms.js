// A form shown in the page: its elements built in Tab's order, the main one in the page
// itself and the others in windows, and kept as the program says after every handler.
(function (Z) {
  "use strict";

  // The element of the form's first Tab stop that takes the focus, if any.
  function firstStop(f) {
    return f.desc.stops.length ? Z.focusable(f.els[f.desc.stops[0]]) : null;
  }

  function build(f) {
    var desc = f.desc;
    f.root = Z.el("div", "zform");
    desc.order.forEach(function (i) {
      var c = desc.controls[i];
      var e = Z.makeControl(f, c);
      f.els[i] = e;
      f.root.appendChild(e);
      if (c.kind === "image") f.images.push(i);
      var target = Z.focusable(e);
      if (target) target.tabIndex = desc.stops.indexOf(i) >= 0 ? 0 : -1;
    });
    if (desc.arrows) Z.bindArrows(f);
    Z.bindKeys(f);
  }

  function showForm(desc) {
    var f = { desc: desc, els: [], images: [], overlay: false };
    Z.forms[desc.id] = f;
    build(f);
    if (!desc.main) {
      Z.openWindow(f);
      return;
    }
    document.title = desc.caption;
    document.getElementById("zmain").appendChild(f.root);
    Z.layout(f);
    // Typing starts in the first field, as in the desktop window; on a narrow screen the
    // chart comes first, and a focused field would scroll past it and call up a keyboard.
    var first = firstStop(f);
    if (first && !f.stacked) first.focus({ preventScroll: true });
  }

  // One control's new state: its text, check, hint and whether it shows.
  function refreshControl(f, c) {
    var e = f.els[c.i], kind = f.desc.controls[c.i].kind;
    if (!e) return;
    if (kind === "edit") {
      if (e.value !== c.text) e.value = c.text;
    } else if (kind === "group") {
      e.firstChild.textContent = c.text;
    } else if (kind === "radio" || kind === "check") {
      e.lastChild.textContent = c.text;
      e.input.checked = c.checked;
    } else if (kind === "rowlist") {
      Z.showRowList(e, c.state);
    } else if (kind === "slider") {
      Z.showSlider(e, c.text, c.state);
    } else if ((kind === "label" || kind === "button") && e.textContent !== c.text) {
      e.textContent = c.text;
      // Its blanks were closed up for the old caption (Layout.js).
      if (kind === "label") e.style.wordSpacing = "";
    }
    if (c.hint) e.title = c.hint;
    else e.removeAttribute("title");
    e.style.display = c.visible ? "" : "none";
  }

  // New texts: a narrowed window's rows flow again (WindowFlow.js); stacked for fingers,
  // the rows close up over a control hidden and make room for one shown (Fingers.js); grown
  // so, a window moves back wholly onto the screen where it fits. Once before the next
  // frame, however many changes come first, as a window system lays out once before it
  // paints: the flow reads every control's height, which lays the page out, and a drag
  // sends a change every pointer move (in the chain window, a fifth of each step).
  function fitLater(f) {
    if (f.fitPending) return;
    f.fitPending = requestAnimationFrame(function () { fitNow(f); });
  }

  function fitNow(f) {
    if (!f.fitPending) return;
    cancelAnimationFrame(f.fitPending);
    f.fitPending = 0;
    if (Z.forms[f.desc.id] !== f) return; // closed meanwhile
    Z.reflow(f);
    Z.refitForFingers(f);
    if (f.panel) Z.keepInView(f);
  }

  // Whatever waits for the next frame, done now: for what reads the layout at once.
  function settle() {
    Object.keys(Z.forms).forEach(function (id) { if (Z.forms[id]) fitNow(Z.forms[id]); });
  }

  function refresh(ch) {
    var f = Z.forms[ch.id];
    if (!f) return;
    if (ch.raise) {
      if (f.panel) Z.raiseWindow(f);
      return;
    }
    if (ch.caption !== undefined) {
      f.desc.caption = ch.caption;
      if (f.desc.main) document.title = ch.caption;
      else if (f.title) f.title.textContent = ch.caption;
    }
    (ch.controls || []).forEach(function (c) { refreshControl(f, c); });
    if (ch.controls) fitLater(f);
    if (ch.overlay !== undefined) f.overlay = ch.overlay;
  }

  Z.firstStop = firstStop;
  Z.showForm = showForm;
  Z.refresh = refresh;
  Z.settle = settle;
})(ZPage);
