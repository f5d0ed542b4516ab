Caligari V00.01ALH             
Grou V0.01 Id 1000006 Parent 0 Size -1
Name Burstkin
center 1.5 -0.5 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
PolH V0.02 Id 1000007 Parent 1000006 Size -1
Name Bk,2
center 1.5 -0.625 0.875
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 12
2.000000 -1.000000 1.000000
1.500000 -1.000000 1.000000
1.500000 -0.500000 1.000000
2.000000 -0.500000 1.000000
1.000000 -1.000000 1.000000
1.000000 -0.500000 1.000000
1.500000 0.000000 1.000000
2.000000 0.000000 1.000000
1.000000 0.000000 1.000000
2.000000 -1.000000 0.500000
1.500000 -1.000000 0.500000
1.000000 -1.000000 0.500000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 6
Face verts 4 flags 0 mat 0
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 0
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 0
<3,0> <2,1> <6,2> <7,3> 
Face verts 4 flags 0 mat 0
<2,0> <5,1> <8,2> <6,3> 
Face verts 4 flags 0 mat 1
<9,0> <10,1> <1,2> <0,3> 
Face verts 4 flags 0 mat 1
<10,0> <11,1> <4,2> <1,3> 
Mat1 V0.05 Id 1000009 Parent 1000007 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000010 Parent 1000007 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000011 Parent 1000007 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000008 Parent 1000007 Size -1
Units 2
Chan V0.04 Id 1000012 Parent 1000007 Size -1
Name Global
type 2
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 0.600000 0.298459 -0.337657 -0.383679
Chan V0.04 Id 1000037 Parent 1000007 Size -1
Name Global
type 3
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c 0.000000 b 0.000000 position 0.000000 -0.293073 0.644065
PolH V0.02 Id 1000013 Parent 1000006 Size -1
Name Bk,3
center 1.500000 -0.428571 0.750000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 14
1.000000 -1.000000 0.500000
1.000000 -0.500000 0.500000
1.000000 -0.500000 1.000000
1.000000 -1.000000 1.000000
1.000000 0.000000 0.500000
1.000000 0.000000 1.000000
2.000000 -1.000000 0.500000
2.000000 -1.000000 1.000000
2.000000 -0.500000 1.000000
2.000000 -0.500000 0.500000
2.000000 0.000000 1.000000
2.000000 0.000000 0.500000
1.500000 0.000000 1.000000
1.500000 0.000000 0.500000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 6
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<6,0> <7,1> <8,2> <9,3> 
Face verts 4 flags 0 mat 1
<9,0> <8,1> <10,2> <11,3> 
Face verts 4 flags 0 mat 1
<11,0> <10,1> <12,2> <13,3> 
Face verts 4 flags 0 mat 1
<13,0> <12,1> <5,2> <4,3> 
Mat1 V0.05 Id 1000015 Parent 1000013 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000016 Parent 1000013 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000017 Parent 1000013 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000014 Parent 1000013 Size -1
Units 2
Chan V0.04 Id 1000018 Parent 1000013 Size -1
Name Global
type 2
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 1 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 31 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 0.600000 -0.062429 0.345726 0.165203
Chan V0.04 Id 1000038 Parent 1000013 Size -1
Name Global
type 3
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 1 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 31 acc 0 t 0.000000 c 0.000000 b 0.000000 position 0.000000 0.164143 0.623789
PolH V0.02 Id 1000019 Parent 1000006 Size -1
Name Bk,4
center 1.416667 -0.666667 0.250000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 12
1.000000 -1.000000 0.000000
1.000000 -0.500000 0.000000
1.000000 -0.500000 0.500000
1.000000 -1.000000 0.500000
1.000000 0.000000 0.000000
1.000000 0.000000 0.500000
2.000000 -1.000000 0.000000
1.500000 -1.000000 0.000000
1.500000 -1.000000 0.500000
2.000000 -1.000000 0.500000
2.000000 -0.500000 0.500000
2.000000 -0.500000 0.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 5
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<6,0> <7,1> <8,2> <9,3> 
Face verts 4 flags 0 mat 1
<7,0> <0,1> <3,2> <8,3> 
Face verts 4 flags 0 mat 1
<6,0> <9,1> <10,2> <11,3> 
Mat1 V0.05 Id 1000021 Parent 1000019 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000022 Parent 1000019 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000023 Parent 1000019 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000020 Parent 1000019 Size -1
Units 2
Chan V0.04 Id 1000024 Parent 1000019 Size -1
Name Global
type 2
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 1 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 31 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 0.600000 0.146037 0.245454 -0.148320
Chan V0.04 Id 1000039 Parent 1000019 Size -1
Name Global
type 3
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 1 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 31 acc 0 t 0.000000 c 0.000000 b 0.000000 position -0.159723 -0.211042 -0.353576
PolH V0.02 Id 1000025 Parent 1000006 Size -1
Name Bk,5
center 1.636364 -0.318182 0.181818
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 11
1.500000 0.000000 0.000000
1.500000 0.000000 0.500000
1.000000 0.000000 0.500000
1.000000 0.000000 0.000000
2.000000 -0.500000 0.000000
2.000000 -0.500000 0.500000
2.000000 0.000000 0.500000
2.000000 0.000000 0.000000
2.000000 -1.000000 0.000000
1.500000 -0.500000 0.000000
1.500000 -1.000000 0.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 5
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<4,0> <5,1> <6,2> <7,3> 
Face verts 4 flags 0 mat 1
<7,0> <6,1> <1,2> <0,3> 
Face verts 4 flags 0 mat 2
<8,0> <4,1> <9,2> <10,3> 
Face verts 4 flags 0 mat 2
<4,0> <7,1> <0,2> <9,3> 
Mat1 V0.05 Id 1000027 Parent 1000025 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000028 Parent 1000025 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000029 Parent 1000025 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000026 Parent 1000025 Size -1
Units 2
Chan V0.04 Id 1000030 Parent 1000025 Size -1
Name Global
type 2
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 2 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 32 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 0.600000 0.344383 -0.316611 0.291134
Chan V0.04 Id 1000040 Parent 1000025 Size -1
Name Global
type 3
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 2 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 32 acc 0 t 0.000000 c 0.000000 b 0.000000 position 0.235568 0.303514 -0.776349
PolH V0.02 Id 1000031 Parent 1000006 Size -1
Name Bk,6
center 1.250000 -0.500000 0.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 6
1.500000 -1.000000 0.000000
1.500000 -0.500000 0.000000
1.000000 -0.500000 0.000000
1.000000 -1.000000 0.000000
1.500000 0.000000 0.000000
1.000000 0.000000 0.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 2
Face verts 4 flags 0 mat 2
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 2
<1,0> <4,1> <5,2> <2,3> 
Mat1 V0.05 Id 1000033 Parent 1000031 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000034 Parent 1000031 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000035 Parent 1000031 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000032 Parent 1000031 Size -1
Units 2
Chan V0.04 Id 1000036 Parent 1000031 Size -1
Name Global
type 2
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 3 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 33 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 0.600000 0.038221 0.213031 0.097281
Chan V0.04 Id 1000041 Parent 1000031 Size -1
Name Global
type 3
flags 1 frames 3
time 0 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 3 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 33 acc 0 t 0.000000 c 0.000000 b 0.000000 position -0.354005 0.000000 -1.138512
END  V1.00 Id 0 Parent 0 Size        0