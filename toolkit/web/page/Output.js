// What the program hands out of the page: a picture saved, copied or printed, a text
// copied or saved, a link opened. What the browser refuses is said in a dialog.
(function (Z) {
  "use strict";

  // A saved file's address outlives its download's start by this long.
  var DOWNLOAD_URL_LIFE_MS = 60000;

  function download(name, blob) {
    var a = Z.el("a");
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(function () { URL.revokeObjectURL(a.href); }, DOWNLOAD_URL_LIFE_MS);
  }

  function cannot(what) {
    Z.error(document.title, what);
  }

  function copyPicture(data) {
    var blob = new Blob([data], { type: "image/png" });
    if (!navigator.clipboard || !window.ClipboardItem)
      return cannot("Браузер не даёт копировать рисунки: сохраните рисунок (Ctrl+S).");
    navigator.clipboard.write([new ClipboardItem({ "image/png": blob })]).catch(function () {
      cannot("Браузер не дал скопировать рисунок в буфер обмена: сохраните рисунок (Ctrl+S).");
    });
  }

  // The picture alone on the printed page (the page's style for print shows only it).
  function printPicture(name, data) {
    var img = document.getElementById("zprint");
    img.onload = function () { window.print(); };
    img.alt = name;
    img.src = URL.createObjectURL(new Blob([data], { type: "image/png" }));
  }

  // A saved file's type by its name: a PDF, a PNG, or text (a chain, a Touchstone file).
  function typeOf(name) {
    if (/\.pdf$/.test(name)) return "application/pdf";
    return /\.png$/.test(name) ? "image/png" : "text/plain";
  }

  // `what`: "save" (a PNG, a PDF or a text, by its name), "copy" or "print" (a PNG).
  function bytes(what, name, data) {
    if (what === "save")
      download(name, new Blob([data], { type: typeOf(name) }));
    else if (what === "copy") copyPicture(data);
    else if (what === "print") printPicture(name, data);
  }

  function copyText(text) {
    var fallback = function () {
      var area = Z.el("textarea");
      area.value = text;
      document.body.appendChild(area);
      area.select();
      document.execCommand("copy");
      area.remove();
    };
    if (navigator.clipboard && navigator.clipboard.writeText)
      navigator.clipboard.writeText(text).catch(fallback);
    else fallback();
  }

  function openUrl(url) {
    window.open(url, "_blank", "noopener,noreferrer");
  }

  Z.bytes = bytes;
  Z.copyText = copyText;
  Z.openUrl = openUrl;
})(ZPage);
