// The browser's language as the program's numbers want it: its decimal separator.
(function (Z) {
  "use strict";

  function decimalSeparator() {
    var languages = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
    try {
      // Any number with a fraction shows the separator.
      var parts = new Intl.NumberFormat(languages).formatToParts(0.5);
      for (var k = 0; k < parts.length; k++) if (parts[k].type === "decimal") return parts[k].value;
    } catch (e) {}
    return ".";
  }

  Z.decimalSeparator = decimalSeparator;
})(ZPage);
