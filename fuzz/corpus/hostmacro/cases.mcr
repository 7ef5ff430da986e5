$!rotate3d axis = psi angle = -12.5e1
$!STYLE PATH = "A \"B\" C\\" VALUE = true
