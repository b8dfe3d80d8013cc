// The page's modal dialogs: an error's message, and the question of which format a picture
// is saved in; each is a <dialog> that removes itself once closed.
(function (Z) {
  "use strict";

  function dialog(title) {
    var d = Z.el("dialog", "zdialog");
    var h = Z.el("div", "ztitle");
    h.textContent = title;
    d.appendChild(h);
    document.body.appendChild(d);
    d.addEventListener("close", function () { d.remove(); });
    return d;
  }

  function message(d, text, tag) {
    var e = Z.el(tag || "div", "zmessage");
    e.textContent = text;
    d.appendChild(e);
  }

  // A row of buttons, each [caption, what its click does].
  function buttons(d, list) {
    var row = Z.el("div", "zbuttons");
    list.forEach(function (b) {
      var e = Z.el("button", "zbutton");
      e.type = "button";
      e.textContent = b[0];
      e.addEventListener("click", b[1]);
      row.appendChild(e);
    });
    d.appendChild(row);
    return row;
  }

  function error(title, text) {
    var d = dialog(title);
    d.classList.add("zerror");
    d.setAttribute("role", "alertdialog");
    message(d, text);
    var row = buttons(d, [["OK", function () { d.close(); }]]);
    d.showModal();
    row.firstChild.focus();
  }

  // `done(pdf)` once the user has chosen; nothing when cancelled.
  function askSaveFormat(done) {
    var d = dialog("Сохранить рисунок");
    message(d, "Сохранить рисунок как:");
    var row = buttons(d, [
      ["Рисунок PNG", function () { d.close(); done(false); }],
      ["Векторный рисунок PDF", function () { d.close(); done(true); }],
      ["Отмена", function () { d.close(); }]]);
    d.showModal();
    row.firstChild.focus();
  }

  // While a dialog waits for its answer the page's other keys wait too.
  function dialogOpen() {
    return !!document.querySelector("dialog[open]");
  }

  Z.dialog = dialog;
  Z.dialogOpen = dialogOpen;
  Z.message = message;
  Z.buttons = buttons;
  Z.error = error;
  Z.askSaveFormat = askSaveFormat;
})(ZPage);
