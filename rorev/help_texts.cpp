#include "rorev/help_texts.h"

namespace rorev {

// Distances are given as the readouts show them: a tenth of the plane units stored in the table.
const char kInstructionsText[] = R"(INSTRUCCIONES DE USO

La ventana principal muestra a la derecha la plantilla de la rorev, el plano circular de los conceptos, y a la izquierda el recuadro de ampliación con sus cuatro lecturas, los botones del zoom y, cuando se pide, la lista de conceptos. Los menús de arriba eligen lo que se hace con los conceptos.


Para visualizar los conceptos:

Mueva el ratón sobre la plantilla. El recuadro amarillo de la izquierda muestra ampliados los alrededores del punto que señala el ratón: una cruz roja marca el punto, las líneas radiales del plano lo orientan, y cada concepto de la tabla que cae dentro del recuadro aparece como un pequeño círculo con su nombre. Cuanto más lejos del centro está el ratón, más plano abarca el recuadro, porque los conceptos se separan en la misma proporción.

Debajo del recuadro se leen los datos del punto: "Grados" es su ángulo, contado desde la derecha en sentido contrario a las agujas del reloj; "Radio", su distancia al centro; "X" e "Y", sus coordenadas. Cada distancia se lee dividida por 10: la lectura es el valor del plano dividido por 10, de modo que el círculo exterior de la plantilla, el de las virtudes, que está a 5198 unidades del plano, se lee como Radio = 520.

Los botones "+" y "-" cambian el aumento. "+" acerca hasta tres veces (x 2, x 4 y x 8) y "-" aleja hasta dos veces (x 0,5 y x 0,25); en los límites el botón ya no hace nada. Cada paso cambia lo que representan los círculos dibujados, que son siempre los mismos: con "Zoom x 2" el círculo exterior es ya el nivel de las facultades (Radio = 139), y con "Zoom x 0,5" el círculo de las actitudes representa ya la plenitud, que en visión normal queda fuera de la plantilla. El recuadro de ampliación y las lecturas no dependen del aumento: siempre dan el punto real del plano. Deje el ratón quieto sobre la palabra "Zoom" para leer el aumento actual: "Visión normal", "Zoom x 2", "Zoom x 0,5", etc.

Ejemplo: en visión normal, lleve el ratón hacia la derecha y un poco hacia arriba, a 15 grados, hasta el tercer círculo contando desde dentro (Radio = 139). El recuadro muestra en su centro "Voluntad", concepto base de las facultades, con "Determinación" (Voluntad excelente) un poco más afuera e "Indecisión" (Voluntad deficiente) un poco más adentro; a los lados aparecen "Violencia", "Hostilidad", "Volubilidad" y "Apocamiento", que están a 0 y a 30 grados.


Localizar concepto:

El menú "Localizar concepto" tiene dos opciones. "Sin descripción" muestra a la izquierda la lista de todos los conceptos de la tabla, del centro hacia fuera. "Con descripción" muestra la misma lista y, además, cada vez que se elige en ella un concepto abre la ventana "Detalles del concepto" con su nombre, su definición, sus grados, su radio y sus coordenadas X e Y. La definición dice qué es el concepto en la tabla: "Concepto base del nivel" y su número, o el exceso, la falta, el grado excelente o el grado deficiente de un concepto base.

El concepto elegido pasa también a la operación en curso, como si se hubiera pulsado con el ratón sobre él: con "Sumar conceptos" o "Concepto restante" su vector se dibuja en la plantilla, y con "Conceptos en la recta" se marca con un pequeño círculo. Si no se ha elegido ninguna de esas operaciones no se dibuja nada.

Ejemplo: elija "Con descripción" y, en la lista, "Determinación". La ventana de detalles dice "Definición,    Voluntad excelente", "Grados = 15", "Radio = 177", "X = 171" e "Y = 46". Elija después "Voluntad": la definición es ahora "Concepto base del nivel 4".


Sumar conceptos:

Elija "Sumar conceptos" en el menú: arriba aparece el rótulo "Sumar  conceptos" y la lista se oculta. Cada pulsación del botón izquierdo sobre la plantilla añade el vector que va del centro al punto señalado, dibujado con su flecha; también se añaden conceptos eligiéndolos en la lista de "Localizar concepto", lo que da su lugar exacto. Una pulsación del botón derecho muestra el resultado: la resultante en verde y, en rojo, las dos tensiones ocultas, iguales, opuestas entre sí y perpendiculares a la resultante. Pase el ratón por la punta de la resultante para leer en el recuadro el concepto al que llega. Se pueden seguir añadiendo vectores y volver a pulsar el botón derecho; para empezar una suma nueva, elija otra vez "Sumar conceptos". Una serie admite veinte vectores como mucho.

Ejemplo: elija "Sumar conceptos", después "Localizar concepto", "Sin descripción", y en la lista "Memoria" (255 grados) y "Previsión" (285 grados), dos facultades vecinas. Pulse el botón derecho sobre la plantilla: la resultante verde apunta a 270 grados y mide 269, el radio de las actitudes, y su punta cae sobre "Sensatez", la actitud que nace de recordar y de prever. Cada tensión roja mide algo menos de 5: la mitad de lo que pierde la suma (dos veces 139,3 son 278,6, y la resultante mide 269,1).


Concepto restante:

Elija "Concepto restante": el rótulo dice "Restar  conceptos". Señale primero, con el botón izquierdo o en la lista, el concepto de partida y después el concepto al que se quiere llegar. El botón derecho muestra en verde el vector que lleva del primero al segundo, es decir, el concepto que habría que sumar al de partida para obtener el de llegada, con sus dos tensiones en rojo. Con más de dos puntos el resultado es el último menos la suma de todos los anteriores. Si se vuelve a pulsar el botón derecho sin añadir ningún punto, la resta se invierte y se ve la suma de los dos conceptos.

Ejemplo: elija "Concepto restante"; como al elegir la operación la lista se oculta, vuelva a abrirla con "Localizar concepto", "Sin descripción", y elija en ella "Memoria" y después "Sensatez". Con el botón derecho, la resultante verde apunta a 285 grados con radio 139: es "Previsión", lo que le falta a la memoria para llegar a la sensatez.


Conceptos en la recta:

Elija "Conceptos en la recta" y señale dos conceptos, con el ratón o en la lista (al elegir la operación la lista se oculta: vuelva a abrirla con "Localizar concepto"). El primero queda marcado con un pequeño círculo. Con el segundo, la plantilla se vuelve a dibujar en visión normal, se traza en amarillo la recta que pasa por los dos y la lista de la izquierda muestra, en el orden de la tabla, todos los conceptos que están a menos de 7 a 10 unidades de la recta, los dos elegidos incluidos. Si se elige un concepto de esa lista se añade como un punto más: se traza entonces la recta que va de él a la suma de los puntos anteriores y la lista se rehace. Para empezar de nuevo, elija otra vez "Conceptos en la recta".

Ejemplo: elija "Conceptos en la recta", vuelva a abrir la lista con "Localizar concepto", "Sin descripción", y elija en ella "Fortaleza" (15 grados) y "Templanza" (345 grados), dos virtudes. La recta que las une es vertical, y la lista da "Fortaleza", "Templanza", "Alegría" y "Sabiduría": las dos virtudes y dos conceptos de la plenitud que quedan en la misma recta, fuera de la plantilla en visión normal.


Ver conceptos por niveles:

Esta opción cambia la ventana principal por la vista de niveles, que muestra ampliados los conceptos de dos niveles vecinos. Cada botón, de "Niveles 0 al 1" a "Niveles 6 al 7", escoge una pareja: se ven los conceptos base del nivel inferior, los grados que hay entre los dos niveles y los conceptos base del nivel superior sobre el círculo exterior; en el centro se lee qué pareja se está viendo. Antes de pulsar ningún botón solo se ve el dibujo de los niveles. "Cerrar" vuelve a la ventana principal, que conserva todo lo que tenía.

Ejemplo: pulse "Niveles 5 al 6". En el círculo interior están las actitudes y en el exterior las virtudes; entre ellos, a 15 grados, se suben los peldaños de la fortaleza: "Cobardía" (Falta de Fortaleza), "Flaqueza" (Fortaleza deficiente) y "Fortaleza" en el borde; a 0 grados, "Firmeza", su grado excelente "Aplomo" y su exceso "Obstinación".


Estructura:

Muestra cómo salen los niveles planos de la rorev de una superficie curva: a la izquierda, medio círculo de un meridiano; cada nivel se marca a lo largo del meridiano a una distancia igual a su radio en la plantilla, y se lleva horizontalmente hasta su nombre. La lista de la derecha da, para cada nivel desde el soma, el arco medido sobre el meridiano (columna "Arco", igual al radio del nivel en la plantilla) y su distancia al eje (columna "Radio"). "Volver" regresa a la ventana principal; cerrar la ventana "Estructura" con su botón de cierre termina el programa.

Ejemplo: "virtudes" tiene arco 05198 y radio 03309: el nivel de las virtudes está en el ecuador; "plenitud", con arco 10042, ya ha pasado al otro hemisferio y su radio es solo 00353.


Exportar:

El último menú, "Exportar", guarda el dibujo de la ventana en un archivo o lo imprime. "Guardar imagen…" (Ctrl+S) pide el nombre del archivo y elige el formato por su extensión: .png o .jpg para una imagen, .svg para un dibujo que se amplía sin perder calidad, .pdf para un documento; sin extensión se guarda como .png, y una extensión que no es ninguna de esas se rechaza con un aviso. "Imprimir…" (Ctrl+P) abre el diálogo de impresión. Encima del dibujo van el título de la ventana y lo que dicen sus rótulos: la pareja de niveles en la vista de niveles, la tabla de arcos y radios en la estructura. La vista de niveles, que no tiene menús, ofrece las dos órdenes con Ctrl+S y Ctrl+P o con el botón derecho del ratón sobre ella.


Ayuda y Salir del programa:

"Ayuda" abre estas instrucciones o la descripción de la tabla, junto a la ventana principal; se cierran con su botón de cierre. "Salir del programa", o cerrar la ventana principal, termina el programa. La rorev solo lee el archivo de conceptos concptos.txt y nunca lo modifica.
)";

const char kDescriptionText[] = R"(DESCRIPCIÓN DE LA ROREV: LA TABLA SELVANE

La rorev es un plano circular en el que cada concepto del comportamiento humano, desde los elementos hasta la plenitud, tiene un lugar fijo, dado por un ángulo y un radio. Es la tabla Selvane. Los conceptos se leen como vectores que salen del centro, y por eso se pueden combinar: sumar dos conceptos es sumar sus vectores.


Los niveles

Los conceptos se ordenan en ocho niveles. Cada nivel tiene doce conceptos base a la misma distancia del centro, y el radio de un nivel es el del anterior multiplicado por 1,93185 (la raíz de 2 + 2 · cos 30°). Los radios, tal como los dan las lecturas, son:

   nivel 0, los elementos: radio 10
   nivel 1, los canales: radio 19
   nivel 2, el soma: radio 37
   nivel 3, los instintos: radio 72
   nivel 4, las facultades: radio 139
   nivel 5, las actitudes: radio 269
   nivel 6, las virtudes: radio 520
   nivel 7, la plenitud: radio 1004

La plantilla dibuja los círculos de los niveles 2 a 6; los de las virtudes, las facultades y el soma, dobles.

Los conceptos base de los niveles pares están a 15, 45, 75... grados, y los de los niveles impares a 0, 30, 60... grados, entre aquellos. Las doce direcciones de los niveles pares son las de los signos: el fuego ocupa el primer cuadrante, el aire el segundo, el agua el tercero y la tierra el cuarto, y cada dirección sigue un mismo hilo de nivel en nivel. A 15 grados, por ejemplo, se suceden Fuego cardinal, Musculatura, Voluntad y Fortaleza.

Cada concepto base de un nivel es la combinación de sus dos vecinos del nivel anterior, a 15 grados a cada lado: Fuego y Aire dan Calor; Musculatura y Metabolismo, Lucha; Memoria y Previsión, Sensatez; Prudencia y Humildad, Sabiduría. La suma de los dos vectores vecinos cae exactamente sobre el concepto del nivel siguiente, y eso es lo que comprueba la opción "Sumar conceptos".

Los niveles 0 a 6 forman el hemisferio inferior de la rorev, y la plenitud es el único nivel del otro hemisferio. La ventana "Estructura" lo muestra: si el plano se curva como una esfera cuyo cuarto de meridiano mide lo mismo que el radio de las virtudes, el radio de cada nivel es un arco de ese meridiano medido desde el polo. Las virtudes quedan en el ecuador, y la plenitud, cuyo radio casi dobla el de las virtudes, pasa al otro hemisferio, cerca del polo opuesto.


Reglas generales

1. Los nombres de los conceptos han de tomarse en sentido amplio: cada palabra nombra una región del plano y lo que tienen en común los conceptos que la rodean, no una definición exacta.

2. Entre dos niveles base hay dos subniveles; sus distancias se miden en veces el radio del nivel inferior. El subnivel de exceso pertenece a los conceptos base del nivel inferior y está sobre sus mismos ángulos: primero su grado excelente (a 1,27 veces) y después su exceso (a 1,73 veces, la raíz de 3). El subnivel de deficiencia pertenece a los conceptos base del nivel superior y está sobre sus ángulos: primero su falta (a 1,035 veces, 1 / cos 15°) y después su grado deficiente (a 1,41 veces, la raíz de 2). Así, a lo largo de cada dirección se lee una escala completa: falta, grado deficiente, concepto base, grado excelente y exceso. Por ejemplo, a 15 grados: Cobardía (Falta de Fortaleza, 279), Flaqueza (Fortaleza deficiente, 381), Fortaleza (520), Heroísmo (Fortaleza excelente, 659) y Temeridad (Exceso de Fortaleza, 900).

3. Los elementos solo tienen exceso, los canales no tienen grados propios y la plenitud solo tiene falta y grado deficiente. La definición que muestra la ventana "Detalles del concepto" sale de estas reglas: "Concepto base del nivel" y su número, "Exceso de", "Falta de", "excelente" o "deficiente" con el nombre del concepto base al que se refiere. Un concepto que no está en ninguno de esos radios no tiene definición.


Las combinaciones

Dos conceptos a y b que forman un ángulo θ se combinan como vectores: la longitud de su suma es

   raíz de (a² + b² + 2 · a · b · cos θ)

Salvo cuando los dos tienen la misma dirección, esa longitud es menor que a + b. La diferencia no se pierde: queda como una tensión oculta, que la rorev dibuja en rojo como dos vectores iguales y opuestos, perpendiculares a la resultante, cada uno de la mitad de la diferencia (el programa les añade media unidad del plano, de modo que nunca son nulos). Cuanto más separados están los conceptos que se combinan, mayor es la tensión; dos conceptos opuestos se anulan en la resultante y todo se vuelve tensión.

Por ejemplo, Memoria y Previsión, de radio 139 y a 30 grados una de otra, suman 269, el radio de Sensatez, en lugar de 279: cada tensión mide algo menos de 5.


Los usos de la tabla

1. Combinar dos conceptos ("Sumar conceptos"): la resultante dice qué concepto nace de los dos, y las tensiones, cuánto cuesta unirlos. Juntos, Memoria y Previsión dan Sensatez.

2. Hallar el concepto que lleva de uno a otro ("Concepto restante"): de Memoria a Sensatez lleva Previsión. Es la respuesta a qué hay que añadir a un concepto para llegar a otro.

3. Los conceptos en la recta entre dos ("Conceptos en la recta"): los conceptos por los que pasa la recta que une dos conceptos forman con ellos una misma línea de sentido. La recta de Fortaleza a Templanza pasa por Alegría y por Sabiduría.

4. Ver cómo se ordena un nivel en relación con el siguiente ("Ver conceptos por niveles") y cómo se curva el plano entero ("Estructura").
)";

}  // namespace rorev
