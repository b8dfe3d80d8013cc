// A picture's menu (a right-click, a long press): its rows are the form's actions with
// their keys; a click outside it or Escape closes it.
(function (Z) {
  "use strict";

  var menu = null;
  function hideMenu() {
    if (menu) menu.remove();
    menu = null;
  }

  // An action run: a picture saved asks first as what.
  function perform(f, a) {
    if (a.kind === "save") {
      Z.askSaveFormat(function (pdf) {
        Z.call("web_action", ["number", "number", "number"], [f.desc.id, a.i, pdf ? 1 : 0]);
      });
      return;
    }
    Z.call("web_action", ["number", "number", "number"], [f.desc.id, a.i, 0]);
  }

  // A row: a tick where the overlay shows, the caption, the keys.
  function menuRow(f, a) {
    var overlay = a.kind === "overlay";
    var row = Z.el("button", "zmenurow");
    row.type = "button";
    row.setAttribute("role", overlay ? "menuitemcheckbox" : "menuitem");
    if (overlay) row.setAttribute("aria-checked", f.overlay ? "true" : "false");
    [["ztick", overlay && f.overlay ? "✓" : ""], ["zcaption", a.caption], ["zkeys", a.shown]]
      .forEach(function (part) {
        var span = Z.el("span", part[0]);
        span.textContent = part[1];
        row.appendChild(span);
      });
    row.addEventListener("click", function () {
      hideMenu();
      perform(f, a);
    });
    return row;
  }

  // The menu at a point of the page (client coordinates), kept inside the window.
  function showMenu(f, x, y) {
    hideMenu();
    if (!f.desc.actions.length) return;
    menu = Z.el("div", "zmenu");
    menu.setAttribute("role", "menu");
    f.desc.actions.forEach(function (a) { menu.appendChild(menuRow(f, a)); });
    document.body.appendChild(menu);
    var w = menu.offsetWidth, h = menu.offsetHeight;
    var vw = document.documentElement.clientWidth, vh = window.innerHeight;
    menu.style.left = Math.max(0, Math.min(x, vw - w)) + "px";
    menu.style.top = Math.max(0, Math.min(y, vh - h)) + "px";
    menu.firstChild.focus();
  }

  function bindMenu(f, canvas) {
    canvas.addEventListener("contextmenu", function (ev) {
      ev.preventDefault();
      showMenu(f, ev.clientX, ev.clientY);
    });
  }

  document.addEventListener("pointerdown", function (ev) {
    if (menu && !menu.contains(ev.target)) hideMenu();
  });
  document.addEventListener("keydown", function (ev) {
    if (!menu || ev.key !== "Escape") return;
    ev.preventDefault();
    hideMenu();
  });

  Z.perform = perform;
  Z.showMenu = showMenu;
  Z.bindMenu = bindMenu;
})(ZPage);
